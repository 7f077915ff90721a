#include "input/edit.hpp"

#include <string>

#include "editor/lines.hpp"
#include "unicode/properties.hpp"
#include "unicode/utf8.hpp"

namespace orvane::input {

namespace {

using term::Key;
using term::Modifiers;

// With Shift the selection grows from where the cursor was; without, it goes away.
void selection_rule(editor::Editor& e, bool shift) {
  if (!shift) {
    e.anchor.reset();
  } else if (!e.anchor) {
    e.anchor = e.cursor;
  }
}

void ctrl_character(editor::Editor& e, char32_t c, bool shift) {
  switch (c) {
    case U'a':
      e.anchor = 0;
      e.cursor = e.text.size();
      break;
    case U'z':
      if (shift) {
        e.redo();
      } else {
        e.undo();
      }
      break;
    case U'y':
      e.redo();
      break;
    default:
      break;
  }
}

}  // namespace

bool insertable(char32_t c) {
  return c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF) && !unicode::is_control(c);
}

void edit(editor::Editor& e, const term::KeyEvent& key, bool multi_line) {
  const bool shift = term::has(key.modifiers, Modifiers::Shift);
  const bool ctrl = term::has(key.modifiers, Modifiers::Ctrl);
  switch (key.code.key) {
    case Key::Backspace:
      e.backspace();
      return;
    case Key::Delete:
      e.delete_forward();
      return;
    case Key::Enter:
      if (multi_line) e.insert("\n");
      return;
    case Key::Tab:
      if (multi_line) e.insert("    ");
      return;
    case Key::Left:
    case Key::Right: {
      selection_rule(e, shift);
      const bool forward = key.code.key == Key::Right;
      if (ctrl) {
        e.word(forward);
      } else if (forward) {
        e.right();
      } else {
        e.left();
      }
      return;
    }
    case Key::Up:
    case Key::Down:
      if (!multi_line) return;
      selection_rule(e, shift);
      e.vertical(key.code.key == Key::Down);
      return;
    case Key::Home:
      selection_rule(e, shift);
      e.cursor = ctrl ? 0 : editor::line_start(e.text, e.cursor);
      return;
    case Key::End:
      selection_rule(e, shift);
      e.cursor = ctrl ? e.text.size() : editor::line_end(e.text, e.cursor);
      return;
    case Key::Char:
      break;
    default:
      return;
  }
  const char32_t c = key.code.value;
  if (ctrl) {
    if (c == U'j') {
      if (multi_line) e.insert("\n");
      return;
    }
    ctrl_character(e, c, shift);
    return;
  }
  if (e.text.size() >= kTypedTextLimit || !insertable(c)) return;
  std::string encoded;
  unicode::append_utf8(encoded, c);
  e.insert(encoded);
}

}  // namespace orvane::input

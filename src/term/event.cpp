#include "term/event.hpp"

#include <cstdio>
#include <ostream>
#include <string_view>

#include "unicode/utf8.hpp"

namespace orvane::term {
namespace {

constexpr std::string_view key_name(Key key) {
  switch (key) {
    case Key::Backspace:
      return "Backspace";
    case Key::Enter:
      return "Enter";
    case Key::Left:
      return "Left";
    case Key::Right:
      return "Right";
    case Key::Up:
      return "Up";
    case Key::Down:
      return "Down";
    case Key::Home:
      return "Home";
    case Key::End:
      return "End";
    case Key::PageUp:
      return "PageUp";
    case Key::PageDown:
      return "PageDown";
    case Key::Tab:
      return "Tab";
    case Key::BackTab:
      return "BackTab";
    case Key::Delete:
      return "Delete";
    case Key::Insert:
      return "Insert";
    case Key::F:
      return "F";
    case Key::Char:
      return "Char";
    case Key::Null:
      return "Null";
    case Key::Esc:
      return "Esc";
  }
  return "?";
}

constexpr std::string_view mouse_kind_name(MouseKind kind) {
  switch (kind) {
    case MouseKind::Down:
      return "Down";
    case MouseKind::Up:
      return "Up";
    case MouseKind::Drag:
      return "Drag";
    case MouseKind::Moved:
      return "Moved";
    case MouseKind::ScrollUp:
      return "ScrollUp";
    case MouseKind::ScrollDown:
      return "ScrollDown";
    case MouseKind::ScrollLeft:
      return "ScrollLeft";
    case MouseKind::ScrollRight:
      return "ScrollRight";
  }
  return "?";
}

constexpr std::string_view button_name(MouseButton button) {
  switch (button) {
    case MouseButton::Left:
      return "Left";
    case MouseButton::Right:
      return "Right";
    case MouseButton::Middle:
      return "Middle";
  }
  return "?";
}

// Control bytes are shown escaped so that a failing test never prints raw terminal commands.
void write_escaped(std::ostream& out, std::string_view text) {
  for (unsigned char c : text) {
    if (c < 0x20 || c == 0x7f) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02x", c);
      out << hex;
    } else if (c == '"' || c == '\\') {
      out << '\\' << c;
    } else {
      out << c;
    }
  }
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const KeyCode& code) {
  out << key_name(code.key);
  if (code.key == Key::F) {
    out << '(' << static_cast<std::uint32_t>(code.value) << ')';
  } else if (code.key == Key::Char) {
    std::string text;
    unicode::append_utf8(text, code.value);
    out << "('";
    write_escaped(out, text);
    out << "' U+" << std::hex << static_cast<std::uint32_t>(code.value) << std::dec << ')';
  }
  return out;
}

std::ostream& operator<<(std::ostream& out, Modifiers modifiers) {
  if (has(modifiers, Modifiers::Ctrl)) out << "Ctrl+";
  if (has(modifiers, Modifiers::Alt)) out << "Alt+";
  if (has(modifiers, Modifiers::Shift)) out << "Shift+";
  return out;
}

std::ostream& operator<<(std::ostream& out, const KeyEvent& event) {
  out << "Key(" << event.modifiers << event.code;
  if (event.kind == KeyKind::Repeat) out << ", repeat";
  if (event.kind == KeyKind::Release) out << ", release";
  return out << ')';
}

std::ostream& operator<<(std::ostream& out, const MouseEvent& event) {
  return out << "Mouse(" << event.modifiers << mouse_kind_name(event.kind) << ' '
             << button_name(event.button) << " at column " << event.column << " row " << event.row
             << ')';
}

std::ostream& operator<<(std::ostream& out, const PasteEvent& event) {
  constexpr std::size_t kShown = 80;
  out << "Paste(" << event.text.size() << " bytes \"";
  write_escaped(out, std::string_view(event.text).substr(0, kShown));
  return out << (event.text.size() > kShown ? "\"...)" : "\")");
}

std::ostream& operator<<(std::ostream& out, const ResizeEvent& event) {
  return out << "Resize(" << event.width << 'x' << event.height << ')';
}

std::ostream& operator<<(std::ostream& out, const FocusEvent& event) {
  return out << (event.gained ? "Focus(gained)" : "Focus(lost)");
}

std::ostream& operator<<(std::ostream& out, const Event& event) {
  std::visit([&out](const auto& alternative) { out << alternative; }, event);
  return out;
}

}  // namespace orvane::term

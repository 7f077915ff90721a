#include "input/edit.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "editor/marked.hpp"
#include "editor/samples.hpp"
#include "input/paste_clean.hpp"

namespace orvane::input {
namespace {

using namespace std::string_view_literals;
using editor::marked;
using editor::marked_editor;
using term::Key;
using term::KeyEvent;
using term::Modifiers;

constexpr Modifiers kNone = Modifiers::None;
constexpr Modifiers kShift = Modifiers::Shift;
constexpr Modifiers kCtrl = Modifiers::Ctrl;
constexpr Modifiers kAlt = Modifiers::Alt;

KeyEvent key(Key code, Modifiers modifiers = kNone) {
  return KeyEvent{{code}, modifiers};
}
KeyEvent ch(char32_t c, Modifiers modifiers = kNone) {
  return KeyEvent{{Key::Char, c}, modifiers};
}

struct Case {
  std::string_view name;
  std::string_view before;  // "|" cursor, "^" anchor
  std::vector<KeyEvent> keys;
  std::string_view multi_line;
  std::string_view single_line;
};

// Each case runs in both modes; the two results differ only for the keys that make or
// cross lines.
TEST(Edit, KeysInMultiAndSingleLineMode) {
  const Case cases[] = {
      {"backspace", "ab|c", {key(Key::Backspace)}, "a|c", "a|c"},
      {"backspace deletes the selection", "a^bc|d", {key(Key::Backspace)}, "a|d", "a|d"},
      {"delete removes the grapheme after", "a|" ACUTE "b", {key(Key::Delete)}, "a|b", "a|b"},
      {"delete at the end", "ab|", {key(Key::Delete)}, "ab|", "ab|"},
      {"delete the selection", "a|bc^d", {key(Key::Delete)}, "a|d", "a|d"},
      {"enter", "a|b", {key(Key::Enter)}, "a\n|b", "a|b"},
      {"ctrl+j", "a|b", {ch(U'j', kCtrl)}, "a\n|b", "a|b"},
      {"tab", "a|", {key(Key::Tab)}, "a    |", "a|"},
      {"left", "ab|", {key(Key::Left)}, "a|b", "a|b"},
      {"right over a family emoji", "|" FAMILY "x", {key(Key::Right)}, FAMILY "|x", FAMILY "|x"},
      {"ctrl+left is a word", "foo bar|", {key(Key::Left, kCtrl)}, "foo |bar", "foo |bar"},
      {"ctrl+right is a word", "|foo bar", {key(Key::Right, kCtrl)}, "foo |bar", "foo |bar"},
      {"shift+left selects",
       "abc|",
       {key(Key::Left, kShift), key(Key::Left, kShift)},
       "a|bc^",
       "a|bc^"},
      {"a plain move drops the selection", "a^bc|", {key(Key::Left)}, "ab|c", "ab|c"},
      {"down", "ab|c\nxy", {key(Key::Down)}, "abc\nxy|", "ab|c\nxy"},
      {"up", "abc\nx|y", {key(Key::Up)}, "a|bc\nxy", "abc\nx|y"},
      {"shift+up selects", "abc\nx|y", {key(Key::Up, kShift)}, "a|bc\nx^y", "abc\nx|y"},
      {"home goes to the line start", "ab\ncd|e", {key(Key::Home)}, "ab\n|cde", "ab\n|cde"},
      {"ctrl+home goes to the text start",
       "ab\ncd|e",
       {key(Key::Home, kCtrl)},
       "|ab\ncde",
       "|ab\ncde"},
      {"end goes to the line end", "a|b\ncd", {key(Key::End)}, "ab|\ncd", "ab|\ncd"},
      {"end stops before CR LF", "a|b\r\ncd", {key(Key::End)}, "ab|\r\ncd", "ab|\r\ncd"},
      {"ctrl+end goes to the text end", "a|b\ncd", {key(Key::End, kCtrl)}, "ab\ncd|", "ab\ncd|"},
      {"shift+end selects", "a|bc", {key(Key::End, kShift)}, "a^bc|", "a^bc|"},
      {"ctrl+a selects all", "ab|c", {ch(U'a', kCtrl)}, "^abc|", "^abc|"},
      {"typing replaces the selection", "^abc|", {ch(U'x')}, "x|", "x|"},
      {"a character with shift or alt", "|", {ch(U'A', kShift), ch(U'b', kAlt)}, "Ab|", "Ab|"},
      {"a wide character", "a|", {ch(U'日')}, "a日|", "a日|"},
      {"undo", "|", {ch(U'a'), ch(U'b'), ch(U'z', kCtrl)}, "a|", "a|"},
      {"ctrl+shift+z redoes",
       "|",
       {ch(U'a'), ch(U'z', kCtrl), ch(U'z', kCtrl | kShift)},
       "a|",
       "a|"},
      {"ctrl+y redoes", "|", {ch(U'a'), ch(U'z', kCtrl), ch(U'y', kCtrl)}, "a|", "a|"},
      {"other ctrl characters do nothing", "a|", {ch(U'k', kCtrl), ch(U'q', kCtrl)}, "a|", "a|"},
      {"keys without a meaning do nothing",
       "a|",
       {key(Key::PageUp), key(Key::PageDown), key(Key::BackTab), key(Key::Insert), key(Key::F),
        key(Key::Null), key(Key::Esc)},
       "a|",
       "a|"},
      // A key code can carry any number; none of these may become text.
      {"control characters and non-scalars are not typed",
       "a|",
       {ch(0x1B), ch(0x85), ch(0xD800), ch(0x110000)},
       "a|",
       "a|"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const bool multi : {true, false}) {
      editor::Editor e = marked_editor(c.before);
      for (const KeyEvent& k : c.keys) edit(e, k, multi);
      EXPECT_EQ(marked(e), multi ? c.multi_line : c.single_line)
          << (multi ? "multi-line" : "single-line");
    }
  }
}

TEST(Edit, DeleteAndBackspaceMakeAnUndoStepEvenWithNothingToDelete) {
  for (const KeyEvent& k : {key(Key::Backspace), key(Key::Delete)}) {
    editor::Editor e = marked_editor("|");
    e.redo_stack.push_back({"x", 1});
    edit(e, k, true);
    EXPECT_EQ(e.undo_stack.size(), 1u);
    EXPECT_TRUE(e.redo_stack.empty());
  }
}

TEST(Edit, TypedCharactersStopAtOneMebibyte) {
  editor::Editor e;
  e.text = std::string(kTypedTextLimit - 1, 'a');
  e.cursor = e.text.size();
  edit(e, ch(U'b'), true);
  EXPECT_EQ(e.text.size(), kTypedTextLimit);
  edit(e, ch(U'c'), true);
  EXPECT_EQ(e.text.size(), kTypedTextLimit);
  EXPECT_EQ(e.text.back(), 'b');
  // Line breaks and deletions still work at the limit.
  edit(e, key(Key::Backspace), true);
  EXPECT_EQ(e.text.size(), kTypedTextLimit - 1);
}

TEST(PasteClean, KeepsTabAndLineFeedAndDropsOtherControls) {
  struct Paste {
    std::string_view pasted;
    std::string_view cleaned;
  };
  const Paste cases[] = {
      {"a\r\nb\x07"
       "c",
       "a\nb"
       "c"},
      {"lone\rcr", "lonecr"},
      {"tab\there\nnext", "tab\there\nnext"},
      {"\x1b[31mred\x1b[0m", "[31mred[0m"},
      {"c1 \xC2\x9B"
       "2J and del \x7F",
       "c1 2J and del "},
      {"emoji \xF0\x9F\x98\x80 and " ACUTE, "emoji \xF0\x9F\x98\x80 and " ACUTE},
      {"nul\0in the middle"sv, "nulin the middle"},
      // A stray byte cannot pass through: it becomes U+FFFD.
      {"bad \xFF byte", "bad \xEF\xBF\xBD byte"},
  };
  for (const Paste& c : cases) {
    const std::string pasted(c.pasted.data(), c.pasted.size());
    EXPECT_EQ(cleaned_paste(pasted), c.cleaned) << c.pasted;
  }
}

}  // namespace
}  // namespace orvane::input

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "editor/editor.hpp"
#include "marked.hpp"
#include "samples.hpp"

namespace orvane::editor {
namespace {

using Op = void (*)(Editor&);
const Op kLeft = [](Editor& e) { e.left(); };
const Op kRight = [](Editor& e) { e.right(); };
const Op kWordForward = [](Editor& e) { e.word(true); };
const Op kWordBackward = [](Editor& e) { e.word(false); };
const Op kDown = [](Editor& e) { e.vertical(true); };
const Op kUp = [](Editor& e) { e.vertical(false); };

struct Case {
  std::string_view before;
  std::vector<Op> moves;
  std::string_view after;
};

void check(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "from \"" << c.before << "\"");
    Editor e = marked_editor(c.before);
    for (Op move : c.moves) move(e);
    EXPECT_EQ(marked(e), c.after);
  }
}

TEST(EditorMovement, LeftAndRightStepOverWholeGraphemes) {
  check({
      {"ab|c", {kLeft}, "a|bc"},
      {"|abc", {kLeft}, "|abc"},
      {"a|bc", {kRight}, "ab|c"},
      {"abc|", {kRight}, "abc|"},
      {ACUTE "|", {kLeft}, "|" ACUTE},
      {"|" ACUTE "x", {kRight}, ACUTE "|x"},
      {"x" FAMILY "|", {kLeft}, "x|" FAMILY},
      {"|" FAMILY "x", {kRight}, FAMILY "|x"},
      {"日|本", {kRight}, "日本|"},
      {"日|本", {kLeft}, "|日本"},
      {"a\r\n|b", {kLeft}, "a|\r\nb"},
      // The anchor stays: Shift+arrow keeps extending the selection.
      {"^ab|c", {kRight}, "^abc|"},
  });
}

TEST(EditorMovement, WordsAreSeparatedOnlyByWhitespace) {
  check({
      {"|foo  bar", {kWordForward}, "foo  |bar"},
      {"foo  bar|", {kWordBackward}, "foo  |bar"},
      {"foo  |bar", {kWordBackward}, "|foo  bar"},
      {"fo|o  bar", {kWordBackward}, "|foo  bar"},
      {"|  foo", {kWordForward}, "  |foo"},
      {"foo|", {kWordForward}, "foo|"},
      {"|foo", {kWordBackward}, "|foo"},
      {"|a.b,c(d) e", {kWordForward}, "a.b,c(d) |e"},
      {"x a.b,c(d)|", {kWordBackward}, "x |a.b,c(d)"},
      {"|foo\n\tbar", {kWordForward}, "foo\n\t|bar"},
      // U+3000 ideographic space and U+00A0 no-break space are whitespace too.
      {"|日本\u3000語", {kWordForward}, "日本\u3000|語"},
      {"a\u00A0b|", {kWordBackward}, "a\u00A0|b"},
      {"|" ACUTE ACUTE " x", {kWordForward}, ACUTE ACUTE " |x"},
      {"x " ACUTE ACUTE "|", {kWordBackward}, "x |" ACUTE ACUTE},
      {"a " FAMILY FAMILY "|", {kWordBackward}, "a |" FAMILY FAMILY},
      {"|" FAMILY " a", {kWordForward}, FAMILY " |a"},
  });
}

TEST(EditorMovement, VerticalKeepsTheGraphemeColumn) {
  check({
      // The column comes from the short line, not from where the moves started.
      {"abcde|f\nxy", {kDown}, "abcdef\nxy|"},
      {"abcde|f\nxy", {kDown, kUp}, "ab|cdef\nxy"},
      {"a|b\ncd", {kUp}, "a|b\ncd"},
      {"ab\nc|d", {kDown}, "ab\nc|d"},
      {"abc\n|", {kUp}, "|abc\n"},
      {"abc|\n\nxyz", {kDown}, "abc\n|\nxyz"},
      {"abc|\n\nxyz", {kDown, kDown}, "abc\n\n|xyz"},
      {"x\nab|c\ny", {kUp}, "x|\nabc\ny"},
      {ACUTE ACUTE "|\nabc", {kDown}, ACUTE ACUTE "\nab|c"},
      {"ab|\n" ACUTE ACUTE ACUTE, {kDown}, "ab\n" ACUTE ACUTE "|" ACUTE},
      {FAMILY "|x\nabc", {kDown}, FAMILY "x\na|bc"},
      {"abc\n" FAMILY "x|", {kUp}, "ab|c\n" FAMILY "x"},
      {"ab|cd\n" FAMILY FAMILY FAMILY, {kDown}, "abcd\n" FAMILY FAMILY "|" FAMILY},
      {"日本|\nabcd", {kDown}, "日本\nab|cd"},
      {"日本語\nab|cd", {kUp}, "日本|語\nabcd"},
      // "\r\n" is one grapheme; the cursor stops before it, never between its bytes.
      {"ab\r\nxyz|", {kUp}, "ab|\r\nxyz"},
      {"ab|c\n\r\nx", {kDown}, "abc\n|\r\nx"},
      {"^ab|c\ndef", {kDown}, "^abc\nde|f"},
  });
}

}  // namespace
}  // namespace orvane::editor

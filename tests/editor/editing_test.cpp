#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "editor/editor.hpp"
#include "marked.hpp"
#include "samples.hpp"

namespace orvane::editor {
namespace {

using Op = void (*)(Editor&);
const Op kInsertX = [](Editor& e) { e.insert("X"); };
const Op kInsertNewline = [](Editor& e) { e.insert("\n"); };
const Op kInsertWide = [](Editor& e) { e.insert("日"); };
const Op kBackspace = [](Editor& e) { e.backspace(); };
const Op kDeleteForward = [](Editor& e) { e.delete_forward(); };

struct Case {
  std::string_view before;
  Op edit;
  std::string_view after;
};

void check(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "from \"" << c.before << "\"");
    Editor e = marked_editor(c.before);
    c.edit(e);
    EXPECT_EQ(marked(e), c.after);
  }
}

TEST(EditorEditing, InsertPutsTheCursorAfterTheText) {
  check({
      {"|", kInsertX, "X|"},
      {"a|b", kInsertX, "aX|b"},
      {"a|b", kInsertNewline, "a\n|b"},
      {"a|b", kInsertWide, "a日|b"},
      {ACUTE "|" FAMILY, kInsertX, ACUTE "X|" FAMILY},
  });
}

TEST(EditorEditing, BackspaceAndDeleteRemoveOneWholeGrapheme) {
  check({
      {"ab|", kBackspace, "a|"},
      {"|ab", kBackspace, "|ab"},
      {"a\n|b", kBackspace, "a|b"},
      {"x" ACUTE "|", kBackspace, "x|"},
      {"x" FAMILY "|", kBackspace, "x|"},
      {"日本|", kBackspace, "日|"},
      {"a\r\n|b", kBackspace, "a|b"},
      {"a|bc", kDeleteForward, "a|c"},
      {"ab|", kDeleteForward, "ab|"},
      {"|" ACUTE "x", kDeleteForward, "|x"},
      {"|" FAMILY "x", kDeleteForward, "|x"},
      {"|日本", kDeleteForward, "|本"},
  });
}

TEST(EditorEditing, EditsReplaceTheSelection) {
  check({
      {"a^bc|d", kInsertX, "aX|d"},
      {"a|bc^d", kInsertX, "aX|d"},
      {"^" FAMILY ACUTE "|", kInsertX, "X|"},
      {"a^bc|d", kBackspace, "a|d"},
      {"a|bc^d", kDeleteForward, "a|d"},
      {"^abcd|", kBackspace, "|"},
  });
}

// An anchor on the cursor selects nothing; it must not survive the edit, or the next
// insert would select (and the one after replace) what was just typed, and a backspace
// would leave it past the end of the text.
TEST(EditorEditing, AnchorOnTheCursorIsDropped) {
  check({
      {"ab^|", kInsertX, "abX|"},
      {"ab^|", kBackspace, "a|"},
      {"^|ab", kDeleteForward, "|b"},
  });

  Editor e = marked_editor("ab^|");
  e.insert("c");
  e.insert("d");
  EXPECT_EQ(marked(e), "abcd|");
}

TEST(EditorEditing, SelectedIsTheTextBetweenAnchorAndCursor) {
  struct Case {
    std::string_view state;
    std::string_view selected;
  };
  const Case cases[] = {
      {"a^bc|d", "bc"}, {"a|bc^d", "bc"}, {"ab^|cd", ""}, {"ab|cd", ""}, {"^日本|", "日本"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(marked_editor(c.state).selected(), c.selected) << c.state;
  }
}

}  // namespace
}  // namespace orvane::editor

#include <gtest/gtest.h>

#include <string>

#include "editor/editor.hpp"
#include "marked.hpp"

namespace orvane::editor {
namespace {

TEST(EditorUndo, EveryEditIsOneStepBackAndForth) {
  Editor e;
  e.insert("a");
  e.insert("b");
  e.insert("c");
  e.left();
  e.backspace();
  ASSERT_EQ(marked(e), "a|c");

  const char* back[] = {"ab|c", "ab|", "a|", "|", "|"};
  for (const char* expected : back) {
    e.undo();
    EXPECT_EQ(marked(e), expected);
  }
  // Redo comes back to each state as undo left it, cursor included.
  const char* forth[] = {"a|", "ab|", "ab|c", "a|c", "a|c"};
  for (const char* expected : forth) {
    e.redo();
    EXPECT_EQ(marked(e), expected);
  }
}

TEST(EditorUndo, UndoDropsTheSelection) {
  Editor e = marked_editor("ab|");
  e.insert("c");
  e.anchor = 0;
  e.undo();
  EXPECT_EQ(marked(e), "ab|");
  e.anchor = 0;
  e.redo();
  EXPECT_EQ(marked(e), "abc|");
}

TEST(EditorUndo, AnEditAfterUndoForgetsTheRedoSteps) {
  Editor e;
  e.insert("a");
  e.insert("b");
  e.undo();
  e.insert("c");
  EXPECT_TRUE(e.redo_stack.empty());
  e.redo();
  EXPECT_EQ(marked(e), "ac|");
}

// Backspace and delete make a step even when there is nothing to delete, so the key
// always has the same effect on the stacks.
TEST(EditorUndo, DeletingNothingStillMakesAStep) {
  Editor e = marked_editor("|ab");
  e.insert("x");
  e.undo();
  ASSERT_EQ(e.redo_stack.size(), 1u);

  e.backspace();
  EXPECT_EQ(marked(e), "|ab");
  EXPECT_EQ(e.undo_stack.size(), 1u);
  EXPECT_TRUE(e.redo_stack.empty());

  e.cursor = 2;
  e.delete_forward();
  EXPECT_EQ(e.undo_stack.size(), 2u);
}

TEST(EditorUndo, KeepsTheLatestHundredSteps) {
  Editor e;
  for (int i = 0; i < 101; ++i) e.insert("a");
  ASSERT_EQ(e.undo_stack.size(), kUndoEntries);
  // The empty text from before the first insert is gone.
  EXPECT_EQ(e.undo_stack.front().text, "a");
  EXPECT_EQ(e.undo_stack.back().text, std::string(100, 'a'));

  for (int i = 0; i < 101; ++i) e.undo();
  EXPECT_EQ(e.text, "a");
  EXPECT_EQ(e.redo_stack.size(), kUndoEntries);
}

TEST(EditorUndo, KeepsAtMostEightMebibytesOfText) {
  const std::string mib(kUndoBytes / 8, 'm');
  Editor e;
  for (int i = 0; i < 5; ++i) e.insert(mib);
  // Saved texts of 0, 1, 2, 3 and 4 MiB make 10 MiB: the three oldest go.
  ASSERT_EQ(e.undo_stack.size(), 2u);
  EXPECT_EQ(e.undo_stack[0].text.size(), 3 * mib.size());
  EXPECT_EQ(e.undo_stack[1].text.size(), 4 * mib.size());

  // The text saved before the ninth insert is 8 MiB, exactly the limit: it stays.
  for (int i = 5; i < 9; ++i) e.insert(mib);
  ASSERT_EQ(e.undo_stack.size(), 1u);
  EXPECT_EQ(e.undo_stack[0].text.size(), kUndoBytes);

  // A single text over the limit is not kept at all.
  e.insert("x");
  EXPECT_TRUE(e.undo_stack.empty());
  e.undo();
  EXPECT_EQ(e.text.size(), 9 * mib.size() + 1);
}

TEST(EditorUndo, CheckpointSavesTheTextForAnOutsideEdit) {
  Editor e = marked_editor("ab|");
  e.insert("c");
  e.undo();
  e.checkpoint();
  EXPECT_TRUE(e.redo_stack.empty());
  e.text = "changed";
  e.cursor = 0;
  e.undo();
  EXPECT_EQ(marked(e), "ab|");
}

}  // namespace
}  // namespace orvane::editor

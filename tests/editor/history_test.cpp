#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "editor/editor.hpp"
#include "marked.hpp"

namespace orvane::editor {
namespace {

TEST(EditorHistory, TakeHandsOutTheTextAndStartsOver) {
  Editor e;
  e.insert("hel");
  e.insert("lo");
  e.anchor = 1;
  e.undo();
  ASSERT_FALSE(e.redo_stack.empty());
  e.redo();

  EXPECT_EQ(e.take(), "hello");
  EXPECT_EQ(marked(e), "|");
  EXPECT_TRUE(e.undo_stack.empty());
  EXPECT_TRUE(e.redo_stack.empty());
  ASSERT_EQ(e.sent.size(), 1u);
  EXPECT_EQ(e.sent.back(), "hello");
  EXPECT_EQ(e.recall, 1u);

  // Nothing to undo into: the sent message does not come back that way.
  e.undo();
  EXPECT_EQ(marked(e), "|");

  e.history(true);
  EXPECT_EQ(marked(e), "hello|");
  e.history(false);
  EXPECT_EQ(marked(e), "|");
}

TEST(EditorHistory, AnEmptyTextIsRecordedToo) {
  Editor e;
  e.sent = {"one"};
  e.recall = 1;
  EXPECT_EQ(e.take(), "");
  EXPECT_EQ(e.sent, (std::vector<std::string>{"one", ""}));
  EXPECT_EQ(e.recall, 2u);
}

TEST(EditorHistory, RecallStopsAtBothEnds) {
  Editor e;
  e.sent = {"one", "日本"};
  e.recall = 2;
  struct Step {
    bool older;
    const char* state;
    std::size_t recall;
  };
  const Step steps[] = {
      {true, "日本|", 1},  {true, "one|", 0}, {true, "one|", 0},
      {false, "日本|", 1}, {false, "|", 2},   {false, "|", 2},
  };
  for (const Step& step : steps) {
    e.anchor = 0;
    e.history(step.older);
    EXPECT_EQ(marked(e), step.state);
    EXPECT_EQ(e.recall, step.recall);
  }
}

// Recalling replaces the text outright: no step is saved and the stacks stay as they were.
TEST(EditorHistory, RecallLeavesTheUndoStacksAlone) {
  Editor e;
  e.sent = {"old"};
  e.recall = 1;
  e.insert("a");
  e.insert("b");
  e.undo();
  e.history(true);
  EXPECT_EQ(marked(e), "old|");
  EXPECT_EQ(e.undo_stack.size(), 1u);
  EXPECT_EQ(e.redo_stack.size(), 1u);
}

TEST(EditorHistory, KeepsTheLatestFiveHundredTexts) {
  Editor e;
  for (int i = 0; i <= 500; ++i) {
    e.insert(std::to_string(i));
    e.take();
  }
  ASSERT_EQ(e.sent.size(), kHistoryEntries);
  EXPECT_EQ(e.sent.front(), "1");
  EXPECT_EQ(e.sent.back(), "500");
  EXPECT_EQ(e.recall, kHistoryEntries);

  // A longer list handed over from outside is cut down on the next take.
  e.sent.resize(700, "x");
  e.take();
  EXPECT_EQ(e.sent.size(), kHistoryEntries);
  EXPECT_EQ(e.sent.back(), "");
}

}  // namespace
}  // namespace orvane::editor

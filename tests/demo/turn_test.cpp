// A simulated session driven through whole turns, checked on what the client receives.
#include <gtest/gtest.h>

#include <algorithm>

#include "driver.hpp"
#include "texts.hpp"
#include "turn_script.hpp"

namespace orvane::demo {
namespace {

using testing::Driver;
using namespace std::chrono_literals;

std::vector<std::string> row_kinds(const bridge::Content& diff) {
  std::vector<std::string> kinds;
  for (const bridge::DiffRow& row : diff.diff_rows) {
    if (std::find(kinds.begin(), kinds.end(), row.kind) == kinds.end()) kinds.push_back(row.kind);
  }
  std::sort(kinds.begin(), kinds.end());
  return kinds;
}

TEST(Turn, StreamsUpToThePermissionPromptAndGoesOnWhenAllowed) {
  Driver d;
  const std::uint64_t context_before = d.shown().context_used.value_or(0);
  d.submit("please localise the greeting @src/greeting.py");
  EXPECT_EQ(d.shown().status, "running");
  const bridge::Content* user = d.block("u1");
  ASSERT_NE(user, nullptr);
  EXPECT_EQ(user->number, 1u);
  EXPECT_EQ(user->chips, std::vector<std::string>{"src/greeting.py"});
  EXPECT_NE(d.block("c1"), nullptr) << "the attachment badge";

  d.settle();
  ASSERT_TRUE(d.shown().prompt);
  EXPECT_EQ(d.shown().status, "awaiting_permission");
  EXPECT_EQ(d.shown().prompt->kind, "permission");
  ASSERT_EQ(d.shown().prompt->choices.size(), 4u);
  EXPECT_TRUE(d.shown().prompt->choices[3].disabled);
  const bridge::Content* editing = d.block("g1-src/greeting.py");
  ASSERT_NE(editing, nullptr);
  EXPECT_EQ(editing->status, "running") << "the edit spins while it waits";
  const bridge::Content* explored = d.block("g1-explore");
  ASSERT_NE(explored, nullptr);
  EXPECT_EQ(explored->status, "");
  EXPECT_EQ(explored->count, 3u);
  EXPECT_EQ(explored->failures, 1u);
  EXPECT_EQ(explored->members[1].status, "failed");
  EXPECT_EQ(d.block("b1-1")->batch_glyph, "┌");
  EXPECT_EQ(d.block("b1-3")->batch_glyph, "└");
  EXPECT_EQ(d.shown().sessions[0].status, "input");

  d.answer("edit");
  EXPECT_TRUE(d.shown().prompt) << "a disabled choice is refused";
  EXPECT_TRUE(d.logged("not available"));

  d.answer("allow");
  EXPECT_FALSE(d.shown().prompt);
  d.settle();
  EXPECT_EQ(d.shown().status, "idle");
  const bridge::Content* diff = d.block("d1-src/greeting.py");
  ASSERT_NE(diff, nullptr);
  EXPECT_EQ(diff->kind, "diff");
  EXPECT_GT(diff->added, 0u);
  EXPECT_GT(diff->removed, 0u);
  EXPECT_EQ(row_kinds(*diff), (std::vector<std::string>{"", "add", "change", "del", "sep"}));
  EXPECT_EQ(d.block("a1")->text, kAnswerEdited);
  EXPECT_NE(d.block("s1"), nullptr);
  EXPECT_EQ(d.block("t1")->kind, "collapsed") << "the finished thought folds";
  EXPECT_EQ(d.block("g1-src/greeting.py")->text, "Edited src/greeting.py");
  ASSERT_EQ(d.shown().details_panel.files.size(), 1u);
  EXPECT_EQ(d.shown().details_panel.files[0].path, "src/greeting.py");
  EXPECT_FALSE(d.shown().details_panel.files[0].diff.empty());
  EXPECT_GT(d.shown().context_used.value_or(0), context_before);
  EXPECT_EQ(d.shown().sessions[0].status, "done");
  EXPECT_EQ(d.shown().title, "please localise the greeting @src/greeti…") << "the first message names the session";
  EXPECT_EQ(d.shown().blocks, d.model.transcript.blocks());
}

TEST(Turn, ADeniedEditChangesNothingAndSaysSo) {
  Driver d;
  d.submit("localise the greeting");
  d.settle();
  d.answer("deny");
  d.settle();
  const bridge::Content* editing = d.block("g1-src/greeting.py");
  ASSERT_NE(editing, nullptr);
  EXPECT_EQ(editing->failures, 1u);
  EXPECT_EQ(editing->text, "Edit denied");
  EXPECT_EQ(d.count_kind("diff"), 0u);
  EXPECT_EQ(d.block("a1")->text, kAnswerDenied);
  EXPECT_TRUE(d.shown().details_panel.files.empty());
}

TEST(Turn, WordsInTheMessagePickTheVariant) {
  Driver d;
  d.submit("a question for you");
  d.settle();
  ASSERT_TRUE(d.shown().prompt);
  EXPECT_EQ(d.shown().prompt->kind, "question");
  EXPECT_EQ(d.shown().status, "awaiting_input");
  d.answer("like a sea shanty");
  d.settle();
  EXPECT_NE(d.block("a1")->text.find("like a sea shanty"), std::string::npos);
  EXPECT_EQ(d.count_kind("diff"), 0u);

  d.submit("this ends in an error");
  d.settle();
  EXPECT_EQ(d.block("e2")->kind, "error");
  EXPECT_EQ(d.block("s2"), nullptr) << "no summary after an error";
  EXPECT_EQ(d.shown().status, "idle");

  d.submit("a long one");
  d.settle();
  d.answer("allow_session");
  d.settle();
  const bridge::Content* config = d.block("d3-" + std::string(kConfigPath));
  ASSERT_NE(config, nullptr);
  EXPECT_EQ(config->diff_rows.back().kind, "clip");
  EXPECT_EQ(d.block("a3")->text, long_answer());

  d.submit("once more");
  d.settle();
  EXPECT_FALSE(d.shown().prompt) << "allowed for the session: no second prompt";
  EXPECT_NE(d.block("d4-src/greeting.py"), nullptr);
  EXPECT_EQ(d.shown().status, "idle");
}

TEST(Turn, KeywordsAreWholeWords) {
  EXPECT_TRUE(mentions("Is this a Question?", "question"));
  EXPECT_TRUE(mentions("long", "long"));
  EXPECT_FALSE(mentions("walk along the river", "long"));
  EXPECT_FALSE(mentions("terrors", "error"));
}

TEST(Turn, EscTwiceStopsTheTurnAndGivesQueuedMessagesBack) {
  Driver d;
  d.submit("first");
  d.advance(700ms);
  d.submit("second");
  EXPECT_EQ(d.shown().queue_lines, std::vector<std::string>{"queued: second"});
  d.submit("mind the tests", "steer");
  const auto steer = std::find_if(d.shown().blocks.begin(), d.shown().blocks.end(),
                                  [](const bridge::Content& b) { return b.title == "steer"; });
  ASSERT_NE(steer, d.shown().blocks.end());
  EXPECT_EQ(steer->text, "mind the tests");

  d.send(d.message("cancel"));
  EXPECT_EQ(d.shown().status, "idle");
  EXPECT_EQ(d.shown().restore, "second");
  EXPECT_TRUE(d.shown().queue_lines.empty());
  EXPECT_EQ(d.block("s1")->text.rfind("Stopped by you after", 0), 0u);
  d.send(d.message("details_tab", "Files"));
  EXPECT_EQ(d.shown().restore, "") << "the composer text is sent once";
  EXPECT_EQ(d.block("u2"), nullptr) << "the queued message did not run";
}

TEST(Turn, InterruptStopsTheTurnAndRunsTheNewMessage) {
  Driver d;
  d.submit("first");
  d.advance(1300ms);
  ASSERT_EQ(d.block("g1-explore")->status, "running");
  d.submit("second", "interrupt");
  EXPECT_EQ(d.block("s1")->text.rfind("Interrupted by a new message", 0), 0u);
  EXPECT_EQ(d.block("g1-explore")->status, "") << "nothing spins after the turn";
  EXPECT_EQ(d.block("g1-explore")->text, "Exploring the workspace (cancelled)");
  EXPECT_EQ(d.block("g1-explore")->failures, 1u);
  ASSERT_NE(d.block("u2"), nullptr);
  EXPECT_EQ(d.shown().status, "running");
}

TEST(Turn, AQueuedMessageRunsWhenTheTurnEnds) {
  Driver d;
  d.submit("first error");
  d.advance(300ms);
  d.submit("then this error too");
  d.settle();
  EXPECT_NE(d.block("e1"), nullptr);
  EXPECT_NE(d.block("e2"), nullptr);
  EXPECT_EQ(d.block("u2")->title, "then this error too");
  EXPECT_TRUE(d.shown().queue_lines.empty());
}

}  // namespace
}  // namespace orvane::demo

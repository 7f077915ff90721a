// The bridge driven by the client's own message builders: every action goes out as the
// client writes it, and every snapshot that comes back decodes under the client's rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver.hpp"
#include "editor/editor.hpp"
#include "input/messages.hpp"
#include "texts.hpp"

namespace orvane::demo {
namespace {

using testing::Driver;

editor::Editor editor_with(std::string text) {
  editor::Editor editor;
  editor.insert(text);
  return editor;
}

TEST(ClientLines, ThePickedModelBecomesTheModelInUse) {
  Driver d;
  d.send_line(input::action_message("command", "/model"));
  ASSERT_EQ(d.shown().panel_title, "Models · by provider");

  d.send_line(input::favorite_message(0, "HAIKU"));
  EXPECT_EQ(d.shown().items[2].label.rfind("★ claude-haiku-4-5", 0), 0u) << d.shown().items[2].label;
  d.send_line(input::action_message("model_sort", ""));
  EXPECT_EQ(d.shown().panel_title, "Models · by name");

  const auto pick = input::pick_message(d.shown(), 0, "GPT-5-MINI");
  ASSERT_TRUE(pick);
  d.send_line(*pick);
  EXPECT_EQ(d.shown().model, "gpt-5-mini");
  EXPECT_EQ(d.shown().provider, "openai");
  EXPECT_EQ(d.shown().context_label, "3.5k/400k");
  EXPECT_EQ(d.shown().panel_title, "") << "the list closes";
  EXPECT_TRUE(d.shown().items.empty());
}

TEST(ClientLines, ThePermissionAnswerDecidesWhatFollows) {
  struct Case {
    std::string value;
    bool prompt_stays;  // a disabled choice is refused
    bool edited;
    std::string status;
  };
  const std::vector<Case> cases = {
      {"allow", false, true, "idle"},
      {"allow_session", false, true, "idle"},
      {"deny", false, false, "idle"},
      {"edit", true, false, "awaiting_permission"},
  };
  for (const Case& c : cases) {
    Driver d;
    d.send_line(input::submit_message(d.shown().generation, "localise the greeting", input::SubmitMode::kQueue));
    d.settle();
    ASSERT_TRUE(d.shown().prompt);
    ASSERT_EQ(d.shown().prompt->kind, "permission");
    d.send_line(input::answer_message(d.shown().generation, d.shown().prompt->id, c.value));
    d.settle();
    EXPECT_EQ(d.shown().prompt.has_value(), c.prompt_stays) << c.value;
    EXPECT_EQ(d.block("d1-src/greeting.py") != nullptr, c.edited) << c.value;
    EXPECT_EQ(d.shown().status, c.status) << c.value;
  }
}

TEST(ClientLines, AQuestionTakesAChoiceOrATypedAnswer) {
  for (const std::string answer : {"pirate", "in the style of a haiku"}) {
    Driver d;
    d.send_line(input::submit_message(d.shown().generation, "a question", input::SubmitMode::kQueue));
    d.settle();
    ASSERT_TRUE(d.shown().prompt);
    ASSERT_EQ(d.shown().prompt->kind, "question");
    d.send_line(input::answer_message(d.shown().generation, d.shown().prompt->id, answer));
    d.settle();
    EXPECT_FALSE(d.shown().prompt);
    EXPECT_EQ(d.block("a1")->text, question_answer(answer));
  }
}

TEST(ClientLines, AMessageComesBackAsWritten) {
  Driver d;
  const std::string title = "say \"hi\" \\ 🙂 \x1b[31m";
  d.send_line(input::submit_message(d.shown().generation, title + "\nsecond line", input::SubmitMode::kQueue));
  ASSERT_NE(d.block("u1"), nullptr);
  EXPECT_EQ(d.block("u1")->title, title) << "the client draws control bytes harmlessly; the bridge keeps them";
  EXPECT_EQ(d.block("u1")->text, "second line");

  d.send_line(input::submit_message(d.shown().generation - 1, "from an older generation", input::SubmitMode::kQueue));
  EXPECT_EQ(d.block("u2"), nullptr);
}

TEST(ClientLines, ASessionIsRenamedThroughItsActionsPanelAndAForm) {
  Driver d;
  d.send_line(input::session_actions_message(d.shown().generation, "s-readme", d.shown().sessions[2].workspace));
  ASSERT_EQ(d.shown().panel_title, "Session · Write the README");
  const auto rename = input::pick_message(d.shown(), 0, "rename");
  ASSERT_TRUE(rename);
  EXPECT_EQ(std::get<std::string>(rename->at("type")), "operation");
  d.send_line(*rename);
  ASSERT_TRUE(d.shown().form);
  EXPECT_EQ(d.shown().form->body, "Write the README");

  const auto save = input::save_message(d.shown(), editor_with("Docs"), 1);
  ASSERT_TRUE(save);
  d.send_line(*save);
  EXPECT_FALSE(d.shown().form);
  EXPECT_EQ(d.shown().sessions[2].title, "Docs");
}

TEST(ClientLines, NavigationSidebarsAndLogs) {
  Driver d;
  d.send_line(input::action_message("command", "/sessions"));
  d.send_line(input::nav_select_message(d.shown().generation, 1));
  ASSERT_TRUE(d.shown().nav);
  EXPECT_EQ(d.shown().nav->selected, 1);

  d.send_line(input::toggle_message(input::Sidebar::kDetails));
  EXPECT_TRUE(d.shown().details_sidebar);
  d.send_line(input::logs_message(true));
  EXPECT_EQ(d.shown().details_panel.tab, "Logs");
  d.send_line(input::details_visible_message(true));
  EXPECT_TRUE(d.logged("details sidebar with logs visible"));
  d.send_line(input::action_message("details_tab", "MCP"));
  EXPECT_EQ(d.shown().details_panel.tab, "MCP");
}

TEST(ClientLines, VoiceStoppedByEnterIsInsertedAndSent) {
  Driver d;
  d.send_line(input::action_message("command", "/voice"));
  d.advance(std::chrono::milliseconds(900));
  d.send_line(input::voice_stop(false, true));
  EXPECT_EQ(d.shown().voice_phase, "transcribing");
  d.settle();
  EXPECT_EQ(d.shown().voice_phase, "");
  EXPECT_TRUE(d.logged("and sent them"));
}

}  // namespace
}  // namespace orvane::demo

// Panels, forms, sessions, voice and the other actions, checked on what the client receives.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "driver.hpp"

namespace orvane::demo {
namespace {

using testing::Driver;
using namespace std::chrono_literals;

Action with(Action action, auto&& set) {
  set(action);
  return action;
}

TEST(Session, TheFirstSnapshotWelcomesAndFillsEveryArea) {
  Driver d;
  const bridge::Snapshot& s = d.shown();
  ASSERT_EQ(d.client.current.blocks.size(), 2u);
  EXPECT_EQ(s.blocks[0].kind, "hints");
  EXPECT_EQ(s.blocks[1].kind, "context_header");
  EXPECT_EQ(s.status, "idle");
  EXPECT_FALSE(s.sessions.empty());
  EXPECT_FALSE(s.tabs.empty());
  EXPECT_FALSE(s.update_notice.empty());
  EXPECT_FALSE(s.details_panel.session.empty());
  std::vector<std::string> tones;
  for (const bridge::McpRow& row : s.details_panel.mcp) tones.push_back(row.tone);
  for (const char* tone : {"success", "warning", "error", "plain-error"}) {
    EXPECT_NE(std::find(tones.begin(), tones.end(), tone), tones.end()) << tone;
  }
  EXPECT_TRUE(s.context_used && s.context_window);
  EXPECT_FALSE(s.history.empty());
}

TEST(Session, TheModelListIsGroupedAndItsChoiceChangesTheModel) {
  Driver d;
  d.send(d.message("command", "/model"));
  EXPECT_EQ(d.shown().panel_title.rfind("Models", 0), 0u);
  std::vector<std::string> groups;
  for (const bridge::Item& item : d.shown().items) {
    if (groups.empty() || groups.back() != item.group) groups.push_back(item.group);
  }
  EXPECT_EQ(groups, (std::vector<std::string>{"anthropic", "openai", "local"}));

  d.send(d.message("model_sort"));
  EXPECT_EQ(d.shown().panel_title, "Models · by name");
  auto favorite = d.message("favorite");
  favorite.generation.reset();
  favorite.filter = "GPT-5-M";
  d.send(favorite);
  const auto starred = std::find_if(d.shown().items.begin(), d.shown().items.end(),
                                    [](const bridge::Item& i) { return i.label.starts_with("★ gpt-5-mini"); });
  EXPECT_NE(starred, d.shown().items.end());

  d.send(d.message("refresh_models"));
  EXPECT_TRUE(d.shown().panel_loading);
  d.settle();
  EXPECT_FALSE(d.shown().panel_loading);

  d.send(d.message("pick", "/model openai gpt-5"));
  EXPECT_EQ(d.shown().model, "gpt-5");
  EXPECT_EQ(d.shown().provider, "openai");
  EXPECT_EQ(d.shown().context_window, 400'000u);
  EXPECT_EQ(d.shown().panel_title, "");
}

TEST(Session, SessionsPanelHasANavigationColumn) {
  Driver d;
  d.send(d.message("command", "/sessions"));
  ASSERT_TRUE(d.shown().nav);
  const auto& nav = *d.shown().nav;
  EXPECT_TRUE(nav.items[0].heading);
  const std::size_t all = d.shown().items.size();
  EXPECT_EQ(all, d.shown().sessions.size());
  // Entry 1 is the first workspace.
  d.send(d.message("nav_select", "1"));
  EXPECT_EQ(d.shown().nav->selected, 1);
  EXPECT_LT(d.shown().items.size(), all);
  d.send(d.message("nav_select", "0"));
  EXPECT_EQ(d.shown().nav->selected, 1) << "a heading cannot be selected";
  EXPECT_EQ(d.shown().panel_lines.size(), 2u);
}

TEST(Session, TextPanelsAndTheirFormats) {
  Driver d;
  d.send(d.message("command", "/help"));
  EXPECT_EQ(d.shown().panel_format, "markdown");
  d.send(d.message("command", "/hotkeys"));
  EXPECT_EQ(d.shown().panel_title, "Keys");
  EXPECT_EQ(d.shown().panel_format, "markdown");
  d.send(d.message("command", "/context"));
  EXPECT_EQ(d.shown().panel_title.rfind("Context · as of", 0), 0u);
  EXPECT_EQ(d.shown().panel_tones.size(), d.shown().panel_lines.size());
  EXPECT_EQ(d.shown().panel_format, "");
  d.send(d.message("command", "/usage"));
  EXPECT_EQ(d.shown().panel_title, "Provider usage");
  EXPECT_EQ(d.shown().panel_layout, "drawer");
  d.send(d.message("dismiss"));
  EXPECT_EQ(d.shown().panel_title, "");
}

TEST(Session, SettingsFormsSaveAndTheKeyNeverReachesTheLog) {
  Driver d;
  d.send(d.message("command", "/settings"));
  EXPECT_EQ(d.shown().items.size(), 2u);
  d.send(d.message("pick", "/settings preferences"));
  ASSERT_TRUE(d.shown().form);
  EXPECT_TRUE(d.shown().form->autosave);
  const std::string settings = d.shown().form->id;
  d.send(with(d.message("save"), [&](Action& a) {
    a.form = settings;
    a.body = "theme = light\n";
    a.revision = 3;
  }));
  EXPECT_EQ(d.shown().theme, "orvane-light");
  EXPECT_EQ(d.shown().form->revision, 3u);
  EXPECT_EQ(d.shown().form->id, settings) << "saving keeps the form open as it is";

  d.send(d.message("command", "/settings api-key"));
  ASSERT_TRUE(d.shown().form);
  EXPECT_TRUE(d.shown().form->secret);
  d.send(with(d.message("save"), [&](Action& a) {
    a.form = d.shown().form->id;
    a.body = "sk-secret-123";
  }));
  EXPECT_EQ(d.model.api_key, "sk-secret-123");
  EXPECT_FALSE(d.logged("sk-secret-123"));
  for (const std::string& line : d.lines) EXPECT_EQ(line.find("sk-secret-123"), std::string::npos);
  d.send(d.message("form_delete"));
  EXPECT_FALSE(d.shown().form);
  EXPECT_EQ(d.model.api_key, "");

  d.send(with(d.message("save"), [](Action& a) { a.form = "settings#1"; }));
  EXPECT_TRUE(d.logged("not open")) << "a save for a closed form changes nothing";
}

TEST(Session, SwitchingSessionsStartsAGenerationAndComesBack) {
  Driver d;
  d.submit("trigger an error");
  d.settle();
  const auto demo_blocks = d.shown().blocks;
  const std::uint64_t generation = d.shown().generation;
  d.send(d.message("session_open", "s-cache"));
  EXPECT_EQ(d.shown().generation, generation + 1);
  EXPECT_EQ(d.shown().title, "Refactor the render cache");
  EXPECT_NE(d.shown().blocks, demo_blocks);
  d.send(d.message("session_open", "demo"));
  EXPECT_EQ(d.shown().blocks, demo_blocks);

  auto stale = d.message("submit", "from an old generation");
  stale.generation = generation;
  d.send(stale);
  EXPECT_EQ(d.block("u2"), nullptr);
  EXPECT_TRUE(d.logged("ignored submit for generation"));

  d.send(d.message("command", "/new"));
  EXPECT_EQ(d.shown().blocks.size(), 2u);
  EXPECT_EQ(d.shown().title, "New session");
  const auto tabs = d.shown().tabs.size();
  d.send(d.message("tab_close", d.shown().tabs.back().id));
  EXPECT_EQ(d.shown().tabs.size(), tabs - 1);
}

TEST(Session, ClicksOnBlocksFoldOpenAndLeavePages) {
  Driver d;
  d.submit("trigger an error");
  d.settle();
  const auto click = [&](const bridge::Content& block) {
    Action a = d.message("operation");
    a.operation = block.operation->text;
    d.send(a);
  };
  ASSERT_EQ(d.block("t1")->kind, "collapsed");
  click(*d.block("t1"));
  EXPECT_EQ(d.block("t1")->kind, "thought");
  click(*d.block("t1"));
  EXPECT_EQ(d.block("t1")->kind, "collapsed");

  click(*d.block("u1"));
  EXPECT_TRUE(d.block("u1")->collapsed);

  const auto main_blocks = d.shown().blocks;
  click(*d.block("ag1"));
  EXPECT_EQ(d.shown().agent_page, "explorer · message 1");
  EXPECT_EQ(d.shown().blocks.size(), 3u);
  d.send(d.message("dismiss"));
  EXPECT_EQ(d.shown().agent_page, "");
  EXPECT_EQ(d.shown().blocks, main_blocks);
}

TEST(Session, VoiceRecordsTranscribesAndInsertsOnce) {
  Driver d;
  d.send(d.message("command", "/voice"));
  EXPECT_EQ(d.shown().voice_phase, "recording");
  d.advance(900ms);
  const std::string preview = d.shown().voice_preview;
  EXPECT_FALSE(preview.empty());
  d.send(with(d.message("voice_stop"), [](Action& a) { a.send = true; }));
  EXPECT_EQ(d.shown().voice_phase, "transcribing");
  d.settle();
  const auto inserted = std::find_if(d.lines.begin(), d.lines.end(),
                                     [](const std::string& l) { return l.find("\"insert_kind\":\"voice\"") != l.npos; });
  ASSERT_NE(inserted, d.lines.end());
  EXPECT_NE(inserted->find("\"insert\":\"" + preview + "\""), std::string::npos);
  EXPECT_NE(inserted->find("\"auto_send_insert\":true"), std::string::npos);
  EXPECT_EQ(d.shown().voice_phase, "");
  d.send(d.message("details_tab", "Files"));
  EXPECT_EQ(d.shown().insert, "") << "later snapshots do not insert again";

  d.send(d.message("command", "/voice"));
  d.send(with(d.message("voice_stop"), [](Action& a) { a.discard = true; }));
  d.settle();
  EXPECT_EQ(d.shown().voice_phase, "");
  EXPECT_EQ(std::count_if(d.lines.begin(), d.lines.end(),
                          [](const std::string& l) { return l.find("\"insert_kind\":\"voice\"") != l.npos; }),
            1);
}

TEST(Session, CompletionAnswersTheRequestOnce) {
  Driver d;
  d.send(with(d.message("complete", "/mo"), [](Action& a) { a.prefix = "/mo"; }));
  EXPECT_EQ(d.shown().completions, std::vector<std::string>{"/model"});
  EXPECT_EQ(d.shown().completion_query, "/mo");
  EXPECT_EQ(d.shown().completion_prefix, "/mo");
  d.send(d.message("details_tab", "Files"));
  EXPECT_TRUE(d.shown().completions.empty());
}

// Every message type of the client leaves a trace: the next snapshot differs from the last.
TEST(Session, EveryMessageTypeGetsAReaction) {
  const std::vector<Action> actions = [] {
    std::vector<Action> list;
    const auto add = [&](std::string type, std::string text = "", std::function<void(Action&)> set = nullptr) {
      Action a;
      a.type = std::move(type);
      a.text = std::move(text);
      if (set) set(a);
      list.push_back(std::move(a));
    };
    add("submit", "hello", [](Action& a) { a.mode = "queue"; });
    add("complete", "@", [](Action& a) { a.prefix = "@"; });
    add("operation", "", [](Action& a) { a.operation = R"({"action":"context"})"; });
    add("pick", "/help");
    add("answer", "p9", [](Action& a) { a.value = "allow"; });
    add("nav_select", "3");
    add("session_open", "s-readme");
    add("tab_close", "s-cache");
    add("session_actions", "s-deploy");
    add("file_toggle", "src/greeting.py");
    add("copy_selection", "some text");
    add("save", "", [](Action& a) { a.form = "settings#1"; });
    add("form_draft", "", [](Action& a) { a.form = "rename#1:x"; });
    add("toggle", "", [](Action& a) { a.key = "details_sidebar"; });
    add("logs", "", [](Action& a) { a.open = true; });
    add("details_visible", "", [](Action& a) { a.open = true; });
    add("favorite");
    add("voice_stop");
    add("ui_trace", "", [](Action& a) { a.lines = {"draw: p50 1.000 · p95 2.000 · max 3.000 ms (n=4)"}; });
    add("command", "/agent");
    add("cancel");
    add("dismiss");
    add("copy_text", "abc");
    add("details_tab", "MCP");
    add("quit");
    add("update_help");
    add("context_popover");
    add("cycle_agent");
    add("cycle_effort");
    add("clipboard");
    add("logs_fold");
    add("form_delete");
    add("refresh_models");
    add("model_sort");
    add("voice_discard");
    add("something_new");
    return list;
  }();
  for (const Action& action : actions) {
    Driver d;
    const bridge::Snapshot before = d.shown();
    d.send(action);
    bridge::Snapshot after = d.shown();
    after.revision = before.revision;
    EXPECT_NE(after, before) << action.type;
  }
}

TEST(Session, ASubmitWithOnlyAttachmentsCarriesTheirChips) {
  Driver d;
  d.send(d.message("clipboard"));
  EXPECT_EQ(d.shown().attachments, 1u);
  EXPECT_EQ(d.shown().attachment_lines.size(), 1u);
  d.submit("");
  ASSERT_NE(d.block("u1"), nullptr);
  EXPECT_EQ(d.block("u1")->chips, std::vector<std::string>{"clipboard-1.png"});
  EXPECT_EQ(d.shown().attachments, 0u);
}

}  // namespace
}  // namespace orvane::demo

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dispatch_fixture.hpp"

namespace orvane::app::testing {
namespace {

using Lines = std::vector<std::string>;

class DetailsFocus : public DispatchTest {
 protected:
  void SetUp() override {
    state.details_focus = true;
    auto& details = state.snapshot.details_panel;
    for (const char* path : {"a.cpp", "b.cpp", "c.cpp"}) details.files.emplace_back().path = path;
    details.logs_header = {{"Log file", "/tmp/bridge.log"}, {"Level", "debug"}};
  }
  void on_tab(const char* tab) { state.snapshot.details_panel.tab = tab; }
};

TEST_F(DetailsFocus, EnterTogglesTheSelectedFileOnTheFilesTab) {
  on_tab("Files");
  state.selected_file = 1;
  set_composer("draft");
  press(key(Key::Enter));
  EXPECT_EQ(sent(), Lines{R"({"text":"b.cpp","type":"file_toggle"})"});
  state.selected_file = 3;
  press(key(Key::Enter));
  EXPECT_EQ(sent(), Lines{}) << "no such file, and the composer does not submit";
  EXPECT_EQ(state.composer.text, "draft");

  on_tab("Session");
  press(key(Key::Enter));
  EXPECT_EQ(sent(), (Lines{R"({"generation":0,"mode":"queue","text":"draft","type":"submit"})"}))
      << "on other tabs Enter goes on";
}

TEST_F(DetailsFocus, UpAndDownMoveTheFileAndTheOffsetWithinBounds) {
  struct Step {
    Key key;
    std::size_t file;
    std::size_t offset;
  };
  const Step steps[] = {{Key::Up, 0, 0},   {Key::Down, 1, 1}, {Key::Down, 2, 2},
                        {Key::Down, 2, 3}, {Key::Up, 1, 2},   {Key::Up, 0, 1}};
  for (const Step& step : steps) {
    press(key(step.key));
    EXPECT_EQ(state.selected_file, step.file);
    EXPECT_EQ(state.details_offset, step.offset);
  }
  state.snapshot.details_panel.files.clear();
  press(key(Key::Down));
  EXPECT_EQ(state.selected_file, 0u) << "no files";
  EXPECT_EQ(sent(), Lines{});
}

TEST_F(DetailsFocus, BracketsStepThroughTheTabsAndWrap) {
  struct Case {
    const char* tab;
    char32_t bracket;
    const char* next;
  };
  const Case cases[] = {{"Session", U']', "Files"}, {"Logs", U']', "Session"},
                        {"Session", U'[', "Logs"},  {"MCP", U'[', "Files"},
                        {"", U']', "Files"},        {"Unknown", U'[', "Logs"}};
  for (const Case& c : cases) {
    on_tab(c.tab);
    press(ch(c.bracket));
    EXPECT_EQ(sent(), Lines{std::string(R"({"text":")") + c.next + R"(","type":"details_tab"})"})
        << c.tab;
  }
  EXPECT_TRUE(state.details_focus);
}

TEST_F(DetailsFocus, CCopiesTheLogFileOnTheLogsAndSessionTabs) {
  for (const char* tab : {"Logs", "Session"}) {
    on_tab(tab);
    press(ch(U'c'));
    EXPECT_EQ(sent(), Lines{R"({"text":"/tmp/bridge.log","type":"copy_text"})"}) << tab;
  }
  state.snapshot.details_panel.logs_header.clear();
  press(ch(U'c'));
  EXPECT_EQ(sent(), Lines{});
  EXPECT_EQ(state.composer.text, "") << "consumed without a header";
  EXPECT_TRUE(state.details_focus);

  on_tab("Files");
  press(ch(U'c'));
  EXPECT_EQ(state.composer.text, "c") << "an ordinary character on the other tabs";
  EXPECT_FALSE(state.details_focus);
}

TEST_F(DetailsFocus, OtherCharactersLeaveTheSidebarAndGoOn) {
  press(ch(U'x'));
  EXPECT_FALSE(state.details_focus);
  EXPECT_EQ(state.composer.text, "x");

  state.details_focus = true;
  press(ctrl(U'c'));
  EXPECT_EQ(sent(), Lines{R"({"text":"","type":"cancel"})"}) << "Ctrl+c is no copy key here";
  EXPECT_FALSE(state.details_focus);
}

TEST_F(DetailsFocus, EscLeavesTheSidebarAndOtherKeysGoOn) {
  press(key(Key::Esc));
  EXPECT_FALSE(state.details_focus);
  EXPECT_EQ(state.last_esc, start - 2s) << "consumed";
  EXPECT_EQ(sent(), Lines{}) << "a sidebar beside the transcript stays";

  state.details_focus = true;
  state.cache.max_top = 40;
  press(key(Key::PageUp));
  EXPECT_EQ(state.transcript_offset, 30u);
  EXPECT_TRUE(state.details_focus);
}

TEST_F(DetailsFocus, APanelOrPromptTakesTheKeysInstead) {
  on_tab("Files");
  state.snapshot.prompt.emplace();
  state.snapshot.prompt->choices = {{"Yes", "yes", "y"}, {"No", "no", "n"}};
  press(key(Key::Down));
  EXPECT_EQ(state.selected_file, 0u);
  EXPECT_EQ(state.selection, 1u);
}

class SidebarFilter : public DispatchTest {
 protected:
  void SetUp() override {
    state.sidebar_filter_mode = true;
    state.sidebar_offset = 7;
  }
};

TEST_F(SidebarFilter, TakesEveryKey) {
  type("aé");
  press(ctrl(U'n'));
  press(key(Key::Tab));
  press(key(Key::Left));
  EXPECT_EQ(state.sidebar_filter, "aé");
  EXPECT_EQ(state.sidebar_offset, 0u);
  EXPECT_EQ(state.composer.text, "");
  EXPECT_EQ(sent(), Lines{});
  press(key(Key::Backspace));
  EXPECT_EQ(state.sidebar_filter, "a") << "a whole character goes";
  press(key(Key::Backspace));
  press(key(Key::Backspace));
  EXPECT_EQ(state.sidebar_filter, "");
}

TEST_F(SidebarFilter, HoldsAtMostEightyCharacters) {
  for (int i = 0; i < 85; ++i) press(ch(U'ж'));
  EXPECT_EQ(state.sidebar_filter.size(), 160u) << "80 two-byte characters";
}

TEST_F(SidebarFilter, EnterKeepsTheTextAndEscEmptiesIt) {
  type("ab");
  press(key(Key::Enter));
  EXPECT_FALSE(state.sidebar_filter_mode);
  EXPECT_EQ(state.sidebar_filter, "ab");
  state.sidebar_filter_mode = true;
  press(key(Key::Esc));
  EXPECT_FALSE(state.sidebar_filter_mode);
  EXPECT_EQ(state.sidebar_filter, "");
  EXPECT_EQ(state.last_esc, start - 2s);
}

class LogsView : public DispatchTest {
 protected:
  void SetUp() override {
    state.logs_view = true;
    state.snapshot.logs = std::vector<std::string>(12, "line");
  }
};

TEST_F(LogsView, PagesThroughTheLogWithinItsLength) {
  const std::pair<Key, std::size_t> steps[] = {{Key::PageUp, 5},   {Key::PageUp, 10},
                                               {Key::PageUp, 12},  {Key::PageDown, 7},
                                               {Key::PageDown, 2}, {Key::PageDown, 0}};
  for (const auto& [k, offset] : steps) {
    press(key(k));
    EXPECT_EQ(state.logs_offset, offset);
  }
  EXPECT_TRUE(state.follow) << "the transcript did not scroll";
}

TEST_F(LogsView, FoldsAndCloses) {
  press(ctrl(U'a'));
  EXPECT_EQ(sent(), Lines{R"({"text":"","type":"logs_fold"})"});
  for (const KeyEvent& close : {key(Key::Esc), ctrl(U'c')}) {
    state.logs_view = true;
    press(close);
    EXPECT_FALSE(state.logs_view);
    EXPECT_EQ(sent(), Lines{R"({"open":false,"type":"logs"})"}) << close;
  }
  EXPECT_EQ(state.last_esc, start - 2s);
}

TEST_F(LogsView, OtherKeysAndAnOpenPanelPassThrough) {
  type("x");
  EXPECT_EQ(state.composer.text, "x");
  state.snapshot.panel_title = "Models";
  press(key(Key::Esc));
  EXPECT_TRUE(state.logs_view);
  EXPECT_EQ(sent(), Lines{R"({"text":"","type":"dismiss"})"});
}

}  // namespace
}  // namespace orvane::app::testing

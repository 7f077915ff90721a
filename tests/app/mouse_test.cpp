#include "app/mouse.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "dispatch_fixture.hpp"
#include "render/chrome/update_notice.hpp"
#include "render/composer_hits.hpp"
#include "render/regions.hpp"

namespace orvane::app::testing {
namespace {

using Lines = std::vector<std::string>;
using term::MouseButton;
using term::MouseEvent;
using term::MouseKind;

// Mouse events against regions laid out as a frame would for the snapshot. The overlay is
// left as the test sets it, since the popup tests need candidates the cache does not hold.
class MouseTest : public DispatchTest {
 protected:
  // Bytes written straight to the terminal; with `terminal_failure` set, writes fail.
  std::string terminal;
  std::error_code terminal_failure;

  void SetUp() override {
    state.snapshot.generation = 4;
    layout(140);
  }

  // Lays the screen out `width` columns wide and 40 rows high with a 7-row composer.
  void layout(std::uint16_t width) {
    state.regions = render::regions({0, 0, width, 40}, state.snapshot, 7);
  }

  std::optional<Error> mouse(MouseKind kind, std::uint16_t column, std::uint16_t row,
                             MouseButton button = MouseButton::Left) {
    const KeyContext keys{outbox, now, [] { return term::Result<term::Size>{}; }};
    const MouseContext context{keys, [this](std::string_view bytes) {
                                 if (!terminal_failure) terminal += bytes;
                                 return terminal_failure;
                               }};
    return dispatch_mouse(state, context, MouseEvent{kind, button, column, row});
  }

  void click(std::uint16_t column, std::uint16_t row) {
    ASSERT_FALSE(mouse(MouseKind::Down, column, row));
    ASSERT_FALSE(mouse(MouseKind::Up, column, row));
  }
  void wheel(bool down, std::uint16_t column, std::uint16_t row) {
    ASSERT_FALSE(mouse(down ? MouseKind::ScrollDown : MouseKind::ScrollUp, column, row));
  }

  // Transcript lines "line 0", "line 1", … with no click values.
  void set_lines(std::size_t count) {
    std::vector<tui::Line> lines;
    for (std::size_t i = 0; i < count; ++i)
      lines.push_back(tui::Line({tui::Span("line " + std::to_string(i))}));
    state.cache.lines = render::Indexed<tui::Line>::from(std::move(lines));
  }

  void add_sessions(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      bridge::Session& session = state.snapshot.sessions.emplace_back();
      session.id = "s" + std::to_string(i);
      session.workspace = "w";
      session.title = "Session " + std::to_string(i);
    }
  }

  void add_files(std::size_t count) {
    state.snapshot.details_panel.tab = "Files";
    for (std::size_t i = 0; i < count; ++i) {
      state.snapshot.details_panel.files.emplace_back().path = "f" + std::to_string(i);
    }
  }
};

// At 140 columns with both sidebars: sessions [0,30), transcript and top bar [30,100) (the
// bar two rows, the transcript rows 2–32), details [100,140), composer rows 33–39.
class WideScreen : public MouseTest {
 protected:
  void SetUp() override {
    state.snapshot.sessions_sidebar = true;
    state.snapshot.details_sidebar = true;
    MouseTest::SetUp();
    ASSERT_EQ(state.regions.transcript, (tui::Rect{30, 2, 70, 31}));
    ASSERT_EQ(state.regions.details, (tui::Rect{100, 0, 40, 40}));
  }
};

TEST_F(WideScreen, TheWheelScrollsThePaneUnderThePointer) {
  state.cache.max_top = 50;
  state.follow = false;
  state.transcript_offset = 10;
  add_sessions(20);  // 42 sidebar lines in 37 rows: the offset stops at 5
  add_files(61);     // 64 rows in 39: the offset stops at 25

  wheel(true, 60, 10);
  EXPECT_EQ(state.transcript_offset, 13u);
  wheel(false, 60, 10);
  wheel(false, 60, 10);
  EXPECT_EQ(state.transcript_offset, 7u);

  for (std::size_t expected : {3u, 5u, 5u}) {
    wheel(true, 10, 10);
    EXPECT_EQ(state.sidebar_offset, expected);
  }
  wheel(false, 10, 10);
  EXPECT_EQ(state.sidebar_offset, 2u);

  state.details_offset = 21;
  wheel(false, 110, 10);
  EXPECT_EQ(state.details_offset, 18u);
  EXPECT_FALSE(state.details_focus) << "only down focuses";
  wheel(true, 110, 10);
  wheel(true, 110, 10);
  wheel(true, 110, 10);
  EXPECT_EQ(state.details_offset, 25u);
  EXPECT_TRUE(state.details_focus);

  EXPECT_EQ(state.transcript_offset, 7u) << "the sidebars scrolled, not the transcript";
  EXPECT_EQ(sent(), Lines{});
}

TEST_F(WideScreen, TheWheelAtTheEndOfAFollowedTranscriptStopsFollowing) {
  state.cache.max_top = 20;
  wheel(true, 60, 10);
  EXPECT_EQ(state.transcript_offset, 20u);
  EXPECT_FALSE(state.follow);
  state.follow = true;
  wheel(false, 60, 10);
  EXPECT_EQ(state.transcript_offset, 17u);
  EXPECT_FALSE(state.follow);
}

TEST_F(WideScreen, TheWheelScrollsAPromptOrAPanelInsteadOfTheTranscript) {
  state.cache.max_top = 20;
  state.snapshot.prompt.emplace();
  wheel(true, 60, 10);
  wheel(true, 60, 10);
  wheel(false, 60, 10);
  EXPECT_EQ(state.panel_scroll, 3u);
  EXPECT_TRUE(state.follow);

  state.snapshot.prompt.reset();
  state.snapshot.panel_title = "Models";
  for (const char* label : {"one", "two", "three", "four", "five"})
    state.snapshot.items.emplace_back().label = label;
  state.panel_filter = "o";  // one, two, four
  wheel(true, 10, 10);       // anywhere on the screen
  EXPECT_EQ(state.selection, 2u) << "at most the last match";
  wheel(false, 60, 10);
  EXPECT_EQ(state.selection, 0u);

  state.panel_text_focus = true;
  wheel(true, 60, 10);
  EXPECT_EQ(state.panel_scroll, 6u) << "the text of the panel";
  EXPECT_EQ(state.selection, 0u);
  EXPECT_TRUE(state.follow);
}

TEST_F(WideScreen, TheWheelOverTheLogsViewMovesBackFromTheNewestLine) {
  state.logs_view = true;
  state.snapshot.details_panel.tab = "Logs";
  state.snapshot.logs = {"a", "b", "c", "d", "e"};
  wheel(false, 110, 10);
  wheel(false, 110, 10);
  EXPECT_EQ(state.logs_offset, 5u);
  wheel(true, 110, 0);
  EXPECT_EQ(state.logs_offset, 2u);
  EXPECT_EQ(sent(), Lines{}) << "the tab strip takes no wheel in the logs view";
}

TEST_F(WideScreen, WheelDownOnTheDetailsHeaderActsLikeAPress) {
  state.snapshot.details_panel.tab = "Logs";
  state.snapshot.details_panel.logs_header = {{"Log file", "/tmp/bridge.log"}};
  wheel(true, 111, 0);
  wheel(true, 111, 1);
  wheel(false, 103, 0);
  EXPECT_EQ(sent(), (Lines{R"({"text":"Files","type":"details_tab"})",
                           R"({"text":"/tmp/bridge.log","type":"copy_text"})"}));
  EXPECT_TRUE(state.details_focus);
}

TEST_F(WideScreen, MovesAndSidewaysWheelStepsOnlyRedraw) {
  for (MouseKind kind : {MouseKind::Moved, MouseKind::ScrollLeft, MouseKind::ScrollRight}) {
    state.redraw = false;
    ASSERT_FALSE(mouse(kind, 60, 10));
    EXPECT_TRUE(state.redraw);
  }
  EXPECT_TRUE(state.follow);
  EXPECT_EQ(sent(), Lines{});
}

// The transcript starts at column 30, row 2.
class Selecting : public WideScreen {
 protected:
  void SetUp() override {
    WideScreen::SetUp();
    set_lines(60);
    state.cache.max_top = 29;
    state.follow = false;
  }
};

TEST_F(Selecting, ADragAcrossLinesCopiesThroughTheTerminalAndTellsTheBridge) {
  ASSERT_FALSE(mouse(MouseKind::Down, 32, 2));
  ASSERT_FALSE(mouse(MouseKind::Drag, 33, 3));
  ASSERT_FALSE(mouse(MouseKind::Drag, 34, 3));
  EXPECT_EQ(state.cache.selection, (render::Selection{{0, 2}, {1, 5}})) << "drawn while dragging";
  ASSERT_FALSE(mouse(MouseKind::Up, 34, 3));
  // "ne 0" and "line " without its trailing blank.
  EXPECT_EQ(terminal, "\x1b]52;c;bmUgMApsaW5l\x07");
  EXPECT_EQ(sent(), Lines{R"({"generation":4,"text":"ne 0\nline","type":"copy_selection"})"});
  EXPECT_TRUE(state.cache.selection) << "the copy stays highlighted";

  ASSERT_FALSE(mouse(MouseKind::Down, 40, 5));
  EXPECT_FALSE(state.cache.selection) << "until the next press";
  EXPECT_FALSE(state.transcript_selection);
}

TEST_F(Selecting, APressThatHardlyMovesIsAClickOnTheLine) {
  set_targets({{3, 3}});
  set_lines(60);
  struct Case {
    const char* name;
    std::optional<std::uint16_t> drag_column;
  };
  const Case cases[] = {
      {"no drag", std::nullopt}, {"drag on the same cell", 35}, {"one cell to the left", 34}};
  for (const Case& c : cases) {
    ASSERT_FALSE(mouse(MouseKind::Down, 35, 5));
    if (c.drag_column) {
      ASSERT_FALSE(mouse(MouseKind::Drag, *c.drag_column, 5));
    }
    ASSERT_FALSE(mouse(MouseKind::Up, c.drag_column.value_or(35), 5));
    EXPECT_EQ(sent(), Lines{R"({"generation":4,"operation":{"target":0},"type":"operation"})"})
        << c.name;
    EXPECT_EQ(terminal, "") << c.name;
    EXPECT_FALSE(state.cache.selection) << c.name;
  }
  click(35, 6);
  EXPECT_EQ(sent(), Lines{}) << "a line without a click value";
}

TEST_F(Selecting, LinesCountFromTheTopOfTheTranscriptAsDrawn) {
  state.transcript_offset = 7;
  ASSERT_FALSE(mouse(MouseKind::Down, 20, 4)) << "left of the transcript: no selection";
  ASSERT_FALSE(mouse(MouseKind::Drag, 40, 4));
  EXPECT_FALSE(state.transcript_selection);

  ASSERT_FALSE(mouse(MouseKind::Down, 30, 4));
  ASSERT_FALSE(mouse(MouseKind::Drag, 45, 39)) << "below the transcript, over the composer";
  ASSERT_TRUE(state.transcript_selection);
  EXPECT_EQ(state.transcript_selection->anchor_line, 9u);
  EXPECT_EQ(state.transcript_selection->anchor_column, 0u);
  EXPECT_EQ(state.transcript_selection->head_line, 37u) << "the last visible line";
  EXPECT_EQ(state.transcript_selection->head_column, 16u);

  state.follow = true;
  ASSERT_FALSE(mouse(MouseKind::Down, 30, 2));
  EXPECT_EQ(state.press, (render::TextPoint{29, 0})) << "following: from the end";
  state.follow = false;
  state.transcript_offset = 100;
  ASSERT_FALSE(mouse(MouseKind::Down, 30, 2));
  EXPECT_EQ(state.press, (render::TextPoint{29, 0}))
      << "an offset past the end shows the last page";
}

TEST_F(Selecting, AFailedWriteEndsTheRun) {
  ASSERT_FALSE(mouse(MouseKind::Down, 30, 2));
  ASSERT_FALSE(mouse(MouseKind::Drag, 40, 4));
  terminal_failure = std::make_error_code(std::errc::io_error);
  EXPECT_TRUE(mouse(MouseKind::Up, 40, 4));
  EXPECT_EQ(sent(), Lines{}) << "nothing reaches the bridge";

  terminal_failure.clear();
  outbox.failure = std::make_error_code(std::errc::broken_pipe);
  ASSERT_FALSE(mouse(MouseKind::Down, 30, 2));
  ASSERT_FALSE(mouse(MouseKind::Drag, 40, 4));
  EXPECT_TRUE(mouse(MouseKind::Up, 40, 4));
  EXPECT_TRUE(mouse(MouseKind::Down, 105, 0)) << "a tab press";
}

TEST_F(Selecting, OnlyTheLeftButtonSelects) {
  ASSERT_FALSE(mouse(MouseKind::Down, 30, 2, MouseButton::Right));
  ASSERT_FALSE(mouse(MouseKind::Drag, 40, 4, MouseButton::Right));
  ASSERT_FALSE(mouse(MouseKind::Up, 40, 4, MouseButton::Right));
  EXPECT_FALSE(state.transcript_selection);
  EXPECT_FALSE(state.press);
  EXPECT_EQ(terminal, "");
}

TEST_F(WideScreen, PanelPresses) {
  state.snapshot.panel_title = "Models";
  state.snapshot.nav.emplace();
  state.snapshot.nav->items = {{"Providers", "", true}, {"gpt", "", false}, {"claude", "", false}};
  // The panel is the box [32,98) × [3,32); its navigation column starts at (34, 7).
  click(36, 7);
  EXPECT_EQ(sent(), Lines{}) << "a heading";
  click(36, 9);
  click(36, 10);
  EXPECT_EQ(sent(), Lines{R"({"generation":4,"text":"2","type":"nav_select"})"})
      << "past the entries: nothing";
  click(31, 10);
  click(60, 36);
  EXPECT_EQ(sent(), (Lines{R"({"text":"","type":"dismiss"})", R"({"text":"","type":"dismiss"})"}))
      << "beside the panel and on the composer";

  // Without a nav the page covers the transcript; the list starts two rows under the
  // filter line, at row 8.
  state.snapshot.nav.reset();
  for (const char* label : {"one", "two", "three"}) {
    bridge::Item& item = state.snapshot.items.emplace_back();
    item.label = label;
    item.command = std::string("/") + label;
  }
  state.panel_filter = "t";  // two, three
  click(50, 9);
  EXPECT_EQ(state.selection, 1u);
  click(50, 6);
  click(50, 10);
  EXPECT_EQ(sent(), Lines{R"({"generation":4,"text":"/three","type":"pick"})"})
      << "filter line and empty row pick nothing";
  EXPECT_FALSE(state.press) << "a panel keeps presses from the transcript";

  state.panel_text_focus = true;
  click(50, 8);
  EXPECT_EQ(sent(), Lines{});
  EXPECT_EQ(state.selection, 1u);
}

TEST_F(WideScreen, PromptPressesAnswerOnlyWithEnabledChoices) {
  bridge::Prompt& prompt = state.snapshot.prompt.emplace();
  prompt.kind = "permission";
  prompt.id = "p1";
  prompt.choices = {{"Yes", "allow", "y"}, {"No", "deny", "n", true}};
  // A 6-row box at the bottom of the transcript: title, body, then the choices at row 29.
  click(40, 29);
  click(40, 30);
  click(40, 10);
  click(60, 0);
  click(10, 5);
  EXPECT_EQ(sent(), Lines{R"({"generation":4,"text":"p1","type":"answer","value":"allow"})"})
      << "the disabled choice and every other press do nothing";
  EXPECT_FALSE(state.press);
}

TEST_F(WideScreen, APopupPressReplacesTheWordInOneEdit) {
  set_composer("fix @sr");
  state.overlay.completion_query = "@sr";
  state.overlay.completions = {"src/main", "src/other"};
  // The popup's hint row is row 30, its candidates rows 31 and 32.
  click(50, 30);
  EXPECT_EQ(state.composer.text, "fix @sr") << "the hint row";
  click(50, 32);
  EXPECT_EQ(state.composer.text, "fix @src/other ");
  EXPECT_EQ(state.composer.cursor, state.composer.text.size());
  EXPECT_EQ(state.dismissed_word, "src/other");
  state.composer.undo();
  EXPECT_EQ(state.composer.text, "fix @sr");
  EXPECT_FALSE(state.press) << "the press went to the popup";

  // Scrolled: with the selection on the tenth candidate the window starts at the third.
  set_composer("/m");
  state.overlay.completion_query = "/m";
  state.overlay.completions.clear();
  for (int i = 0; i < 12; ++i) state.overlay.completions.push_back("/m" + std::to_string(i));
  state.popup_selection = 9;
  click(50, 25);
  EXPECT_EQ(state.composer.text, "/m2 ");
  EXPECT_EQ(sent(), Lines{});
}

TEST_F(WideScreen, ComposerControls) {
  state.snapshot.agent = "build";
  state.snapshot.model = "gpt";
  // "Build · gpt" from column 35 on the control row (row 38), the status at its right end.
  click(36, 38);
  click(41, 38);
  click(44, 38);
  click(95, 38);
  EXPECT_EQ(sent(),
            (Lines{R"({"text":"/agent","type":"command"})", R"({"text":"/model","type":"command"})",
                   R"({"text":"","type":"context_popover"})"}));
}

// A details sidebar laid over an 80-column screen covers the right end of the control row.
TEST_F(MouseTest, ControlsUnderAnOverlaidDetailsSidebarAreNotHit) {
  state.snapshot.details_sidebar = true;
  state.snapshot.agent = "build";
  state.snapshot.model = "a-model-name-long-enough-to-pass-forty";
  layout(80);
  const tui::Rect details = state.regions.details;
  ASSERT_LT(details.left(), state.regions.transcript.right());
  const std::uint16_t row = 38;
  std::optional<std::uint16_t> model_beside, model_under, status_under;
  for (std::uint16_t column = 0; column < 80; ++column) {
    const auto command =
        render::composer_control_at(state.regions.composer, state.snapshot, column, row);
    const bool under = details.contains(column, row);
    if (command == "/model") (under ? model_under : model_beside) = column;
    if (under && render::composer_context_at(state.regions.composer, state.snapshot, column, row)) {
      status_under = column;
    }
  }
  ASSERT_TRUE(model_beside && model_under && status_under);
  click(*model_under, row);
  click(*status_under, row);
  EXPECT_EQ(sent(), Lines{});
  EXPECT_TRUE(state.details_focus) << "the press went to the details sidebar";
  click(*model_beside, row);
  EXPECT_EQ(sent(), Lines{R"({"text":"/model","type":"command"})"});
}

TEST_F(WideScreen, DetailsPresses) {
  add_files(3);
  state.snapshot.details_panel.logs_header = {{"Log file", "/tmp/bridge.log"}};
  // Tab strip on row 0 from column 102; the file rows from row 3.
  click(101, 0);
  click(117, 0);
  click(105, 4);
  click(105, 2);
  EXPECT_EQ(sent(), (Lines{R"({"text":"MCP","type":"details_tab"})",
                           R"({"generation":4,"text":"f1","type":"file_toggle"})"}));
  EXPECT_TRUE(state.details_focus);

  // Keys can move the offset past the last page; the frame still shows the first row.
  state.details_offset = 5;
  click(105, 3);
  EXPECT_EQ(sent(), Lines{R"({"generation":4,"text":"f0","type":"file_toggle"})"});

  state.snapshot.details_panel.tab = "Logs";
  click(105, 1);
  EXPECT_EQ(sent(), Lines{R"({"text":"/tmp/bridge.log","type":"copy_text"})"});
  state.snapshot.details_panel.logs_header.clear();
  click(105, 1);
  EXPECT_EQ(sent(), Lines{});
}

TEST_F(WideScreen, SessionsSidebarPresses) {
  add_sessions(2);
  state.snapshot.archived_label = "Archived sessions";
  // Lines: header, count, two lines per session, archived; row r ≥ 2 shows line r − 1, and
  // the blank row 1 under the title stands for nothing.
  const std::pair<std::uint16_t, std::uint16_t> presses[] = {{1, 0}, {10, 0}, {27, 0}, {5, 1},
                                                             {5, 2}, {5, 3},  {5, 6},  {5, 7}};
  for (const auto& [column, row] : presses) {
    state.details_focus = true;
    click(column, row);
    EXPECT_FALSE(state.details_focus);
  }
  EXPECT_EQ(sent(),
            (Lines{R"({"key":"sessions_sidebar","type":"toggle"})",
                   R"({"text":"/new","type":"command"})",
                   R"({"generation":4,"text":"s0","type":"session_open","workspace":"w"})",
                   R"({"generation":4,"text":"s1","type":"session_open","workspace":"w"})",
                   R"({"text":"/archived","type":"command"})"}));
  EXPECT_FALSE(state.sidebar_filter_mode);
  click(5, 39);
  EXPECT_TRUE(state.sidebar_filter_mode);

  ASSERT_FALSE(mouse(MouseKind::Down, 5, 5, MouseButton::Right));
  ASSERT_FALSE(mouse(MouseKind::Down, 5, 1, MouseButton::Right));
  ASSERT_FALSE(mouse(MouseKind::Down, 60, 5, MouseButton::Middle));
  EXPECT_EQ(sent(),
            Lines{R"({"generation":4,"text":"s1","type":"session_actions","workspace":"w"})"});
  state.snapshot.prompt.emplace();
  ASSERT_FALSE(mouse(MouseKind::Down, 5, 5, MouseButton::Right));
  EXPECT_EQ(sent(), Lines{}) << "not under a prompt";
}

// Without sidebars the top bar has its tab row: tabs from column 4, "+" and "▐" at the end.
class TopBar : public MouseTest {
 protected:
  void SetUp() override {
    for (const char* title : {"alpha", "beta"}) {
      bridge::Session& tab = state.snapshot.tabs.emplace_back();
      tab.title = title;
      tab.id = std::string("id-") + title;
      tab.workspace = "w";
    }
    MouseTest::SetUp();
    layout(120);
  }
};

TEST_F(TopBar, TabsOpenOrCloseByTheirMark) {
  // "alpha" covers [4,15): its last three columns hold the close mark.
  click(5, 0);
  click(11, 0);
  click(12, 0);
  click(14, 0);
  click(16, 0);
  click(5, 1);
  EXPECT_EQ(sent(),
            (Lines{R"({"generation":4,"text":"id-alpha","type":"session_open","workspace":"w"})",
                   R"({"generation":4,"text":"id-alpha","type":"session_open","workspace":"w"})",
                   R"({"generation":4,"text":"id-alpha","type":"tab_close","workspace":"w"})",
                   R"({"generation":4,"text":"id-alpha","type":"tab_close","workspace":"w"})",
                   R"({"generation":4,"text":"id-beta","type":"session_open","workspace":"w"})"}))
      << "the tab row only";
  click(114, 0);
  EXPECT_EQ(sent(), Lines{R"({"text":"/new","type":"command"})"});
}

TEST_F(TopBar, TheSidebarButtonsToggleWhereTheSidebarFits) {
  click(1, 0);
  EXPECT_EQ(sent(), Lines{R"({"key":"sessions_sidebar","type":"toggle"})"});
  EXPECT_EQ(state.snapshot.last_opened, "sessions");
  click(118, 1);
  EXPECT_EQ(sent(), Lines{R"({"key":"details_sidebar","type":"toggle"})"});
  EXPECT_EQ(state.snapshot.last_opened, "details");
  EXPECT_TRUE(state.details_focus);

  state.snapshot.last_opened.clear();
  layout(80);
  click(1, 1);
  EXPECT_EQ(sent(), Lines{R"({"text":"/sessions","type":"command"})"});
  EXPECT_EQ(state.snapshot.last_opened, "");
  click(1, 2);
  EXPECT_EQ(sent(), Lines{}) << "the rule under the bar";
}

TEST_F(TopBar, TheUpdateNoticeComesBeforeEverything) {
  state.snapshot.update_notice = "v2 available";
  const tui::Rect top = state.regions.top;
  std::optional<std::uint16_t> notice;
  for (std::uint16_t column = 0; column < top.width && !notice; ++column) {
    if (render::chrome::update_notice_at(state.snapshot, top, column, 1)) notice = column;
  }
  ASSERT_TRUE(notice);
  state.snapshot.panel_title = "Models";
  click(*notice, 1);
  EXPECT_EQ(sent(), Lines{R"({"text":"","type":"update_help"})"});
}

}  // namespace
}  // namespace orvane::app::testing

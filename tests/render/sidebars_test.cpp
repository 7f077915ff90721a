#include "render/sidebars.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/buffer_rows.hpp"
#include "support/line_text.hpp"
#include "tui/buffer.hpp"

namespace orvane::render {
namespace {

using Rows = std::vector<std::string>;

const Palette kPalette = Palette::make(false);

bridge::Snapshot with_sessions(std::size_t count) {
  bridge::Snapshot snapshot;
  snapshot.revision = 1;
  for (std::size_t i = 0; i < count; ++i) {
    bridge::Session session;
    session.id = "s" + std::to_string(i);
    session.title = "Session " + std::to_string(i);
    session.state = "idle";
    snapshot.sessions.push_back(session);
  }
  return snapshot;
}

TEST(SessionsSidebar, TitleFilterAndScrolledRows) {
  const bridge::Snapshot snapshot = with_sessions(5);
  struct Case {
    const char* name;
    std::string filter;
    bool focused;
    std::size_t offset;
    std::string first_row;
    std::string filter_row;
  };
  const Case cases[] = {
      {"top, no filter", "", false, 0, "SESSIONS 5", "Filter sessions"},
      {"focused empty filter", "", true, 0, "SESSIONS 5", "\u258f"},
      {"typed filter", "ses", true, 0, "SESSIONS 5 of 5", "ses\u258f"},
      {"typed, unfocused", "1", false, 0, "SESSIONS 1 of 5", "1"},
      {"scrolled by three lines", "", false, 3, "Session 1", "Filter sessions"},
  };
  for (const Case& c : cases) {
    Cache cache;
    cache.session_filter = c.filter;
    cache.filter_focused = c.focused;
    tui::Buffer buffer(tui::Rect{0, 0, 30, 10});
    draw_sessions_sidebar(buffer, buffer.area(), snapshot, c.offset, cache, kPalette);
    draw_sessions_title(buffer, buffer.area(), cache, kPalette);
    const Rows rows = test::buffer_rows(buffer);
    EXPECT_EQ(rows[0], " \u2630 Sessions" + std::string(17, ' ') + "+\u2502") << c.name;
    EXPECT_NE(rows[2].find(c.first_row), std::string::npos) << c.name << ": " << rows[2];
    EXPECT_TRUE(rows[9].starts_with(" " + c.filter_row)) << c.name << ": " << rows[9];
    EXPECT_TRUE(rows[9].ends_with("\u2502")) << c.name;
  }
}

TEST(SessionsSidebar, RowsAreKeptUntilTheirKeyChanges) {
  bridge::Snapshot snapshot = with_sessions(2);
  Cache cache;
  tui::Buffer buffer(tui::Rect{0, 0, 30, 10});
  draw_sessions_sidebar(buffer, buffer.area(), snapshot, 0, cache, kPalette);
  ASSERT_TRUE(cache.sidebar_rows);
  const auto* rows = &cache.sidebar_rows->rows;
  snapshot.sessions[0].title = "Renamed";
  draw_sessions_sidebar(buffer, buffer.area(), snapshot, 0, cache, kPalette);
  EXPECT_EQ(&cache.sidebar_rows->rows, rows);
  EXPECT_EQ(test::plain_text(cache.sidebar_rows->rows[2].line).find("Renamed"), std::string::npos);
  // Every change of the bridge's data comes with a new revision.
  snapshot.revision = 2;
  draw_sessions_sidebar(buffer, buffer.area(), snapshot, 0, cache, kPalette);
  EXPECT_NE(test::plain_text(cache.sidebar_rows->rows[2].line).find("Renamed"), std::string::npos);
}

bridge::Snapshot with_logs(std::size_t count) {
  bridge::Snapshot snapshot;
  snapshot.revision = 1;
  snapshot.details_panel.tab = "Logs";
  snapshot.details_panel.logs_header = {{"Session", "abc"}, {"Log file", "/tmp/x.log"}};
  for (std::size_t i = 0; i < count; ++i) snapshot.logs.push_back("log " + std::to_string(i));
  return snapshot;
}

Rows details(const bridge::Snapshot& snapshot, std::size_t logs_offset, std::size_t details_offset,
             std::uint16_t height = 12) {
  Cache cache;
  tui::Buffer buffer(tui::Rect{0, 0, 30, height});
  draw_details(buffer, buffer.area(), snapshot, logs_offset, details_offset, cache, kPalette);
  return test::buffer_rows(buffer);
}

// The text of a details row without the border and the blanks around it.
std::string body(const std::string& row) {
  const std::string border = "\u2502";
  std::string text = row.substr(row.find(border) + border.size());
  text.erase(0, text.find_first_not_of(' '));
  return text.substr(0, text.find_last_not_of(' ') + 1);
}

TEST(DetailsSidebar, TabStripMarksTheCurrentTab) {
  bridge::Snapshot snapshot = with_logs(1);
  snapshot.details_panel.tab = "MCP";
  Cache cache;
  tui::Buffer buffer(tui::Rect{0, 0, 30, 6});
  draw_details(buffer, buffer.area(), snapshot, 0, 0, cache, kPalette);
  EXPECT_EQ(test::buffer_rows(buffer)[0], "\u2502 Session Files MCP Logs      ");
  EXPECT_TRUE(tui::contains(buffer.at(18, 0).modifiers, tui::Modifier::Underlined));
  EXPECT_EQ(buffer.at(18, 0).fg, kPalette.text);
  EXPECT_EQ(buffer.at(2, 0).fg, kPalette.muted);
}

TEST(DetailsSidebar, LogSticksToItsEndUnderItsHeader) {
  const bridge::Snapshot snapshot = with_logs(20);
  // 12 rows: the strip, two header rows, then the log with room for 12 - 2 - 2 = 8 rows.
  const Rows newest = details(snapshot, 0, 0);
  EXPECT_EQ(body(newest[1]).substr(0, 11), "Session   a");
  EXPECT_EQ(body(newest[2]).substr(0, 8), "Log file");
  EXPECT_EQ(body(newest[3]), "log 12");
  EXPECT_EQ(body(newest[10]), "log 19");
  const Rows older = details(snapshot, 5, 0);
  EXPECT_EQ(body(older[3]), "log 7");
  const Rows oldest = details(snapshot, 100, 0);
  EXPECT_EQ(body(oldest[3]), "log 0");
}

TEST(DetailsSidebar, OtherTabsStopWithTheLastRowAtTheBottom) {
  bridge::Snapshot snapshot;
  snapshot.revision = 1;
  snapshot.details_panel.tab = "Files";
  for (int i = 0; i < 20; ++i) snapshot.details_panel.files.push_back({"f" + std::to_string(i), 1, 0});
  // 22 rows (header, blank, 20 files, blank) in a 12-row panel: the top stops at row 12.
  EXPECT_TRUE(body(details(snapshot, 0, 3)[1]).ends_with("f1  +1 -0")) << details(snapshot, 0, 3)[1];
  EXPECT_TRUE(body(details(snapshot, 0, 100)[1]).ends_with("f10  +1 -0"));
  EXPECT_EQ(body(details(snapshot, 0, 100)[11]), "");
}

}  // namespace
}  // namespace orvane::render

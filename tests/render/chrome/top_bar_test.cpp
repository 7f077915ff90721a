#include "render/chrome/top_bar.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/dialogs/cell_text.hpp"
#include "support/buffer_rows.hpp"

namespace orvane::render::chrome {
namespace {

using Rows = std::vector<std::string>;

std::string rule(std::size_t width) {
  std::string out;
  for (std::size_t i = 0; i < width; ++i) out += "\u2500";
  return out;
}

bridge::Session tab(std::string title, std::string status, bool active = false) {
  bridge::Session session;
  session.title = std::move(title);
  session.status = std::move(status);
  session.active = active;
  return session;
}

bridge::Snapshot tabbed() {
  bridge::Snapshot snapshot;
  snapshot.tabs = {tab("alpha", "done", true), tab("beta", "working")};
  snapshot.breadcrumb = "repo";
  snapshot.status = "idle";
  return snapshot;
}

// Draws into a buffer one column and one row larger than the band on every side, so
// drawing outside the band shows.
tui::Buffer drawn(const bridge::Snapshot& snapshot, tui::Rect band, std::uint64_t tick = 0,
                  bool light = false) {
  tui::Buffer buffer({0, 0, static_cast<std::uint16_t>(band.right() + 1),
                      static_cast<std::uint16_t>(band.bottom() + 1)});
  draw_top_bar(buffer, snapshot, band, Palette::make(light), tick);
  return buffer;
}

// The band's rows out of a buffer drawn by `drawn`.
Rows band_rows(const tui::Buffer& buffer, tui::Rect band) {
  Rows rows;
  for (std::uint16_t y = band.y; y < band.bottom(); ++y) {
    std::string row;
    for (std::uint16_t x = band.x; x < band.right(); ++x) {
      if (!buffer.at(x, y).skip) row += buffer.at(x, y).shown();
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(TopBar, FullBar) {
  const tui::Rect band{1, 1, 40, 3};
  const tui::Buffer buffer = drawn(tabbed(), band);
  EXPECT_EQ(band_rows(buffer, band), (Rows{" \u2630   \u2713 alpha \u00D7  \u280B beta \u00D7" +
                                               std::string(10, ' ') + "+   \u2590 ",
                                           "  repo" + std::string(28, ' ') + "idle  ", rule(40)}));

  const Palette p = Palette::make(false);
  struct Case {
    std::uint16_t x, y;
    const char* want;
  };
  const Case cells[] = {
      {4, 1, "fg=reset bg=surface"},      // the gap before a span
      {2, 1, "fg=border bg=surface"},     // ☰, sidebar closed
      {6, 1, "fg=success bg=surface"},    // ✓
      {8, 1, "bold fg=text bg=surface"},  // active title
      {14, 1, "fg=faint bg=surface"},     // ×
      {17, 1, "fg=accent bg=surface"},    // spinner
      {19, 1, "fg=faint bg=surface"},     // inactive title
      {35, 1, "fg=muted bg=surface"},     // +
      {39, 1, "fg=border bg=surface"},    // ▐, details closed
      {4, 2, "fg=muted bg=surface"},      // breadcrumb
      {35, 2, "fg=muted bg=surface"},     // idle status
      {1, 3, "fg=border bg=surface"},     // rule
  };
  for (const Case& c : cells)
    EXPECT_EQ(test::cell_text(buffer, c.x, c.y, p), c.want) << c.x << "," << c.y;
  // Nothing outside the band.
  EXPECT_EQ(test::buffer_rows(buffer)[0], std::string(42, ' '));
  EXPECT_EQ(buffer.at(41, 2).shown(), " ");
  EXPECT_EQ(test::cell_text(buffer, 0, 2, p), "fg=reset bg=reset");
}

TEST(TopBar, OpenSidebarsLightTheirButtons) {
  bridge::Snapshot snapshot = tabbed();
  snapshot.sessions_sidebar = true;
  snapshot.details_sidebar = true;
  const tui::Buffer buffer = drawn(snapshot, {0, 0, 40, 3});
  const Palette p = Palette::make(false);
  EXPECT_EQ(test::cell_text(buffer, 1, 0, p), "fg=accent bg=surface");
  EXPECT_EQ(test::cell_text(buffer, 38, 0, p), "fg=accent bg=surface");
}

TEST(TopBar, WithoutTabsTheRowNamesTheSession) {
  bridge::Snapshot snapshot = tabbed();
  snapshot.tabs.clear();
  snapshot.title = "a title that is far too long for this bar";
  const tui::Buffer buffer = drawn(snapshot, {0, 0, 30, 3});
  EXPECT_EQ(band_rows(buffer, {0, 0, 30, 3})[0], " \u2630  a title that is f\u2026  +   \u2590 ");
  EXPECT_EQ(test::cell_text(buffer, 4, 0, Palette::make(false)), "bold fg=text bg=surface");
}

TEST(TopBar, LongTabTitleIsCutTo24Columns) {
  bridge::Snapshot snapshot = tabbed();
  snapshot.tabs = {tab(std::string(40, 't'), "input", true)};
  const tui::Rect band{0, 0, 60, 3};
  const tui::Buffer buffer = drawn(snapshot, band);
  EXPECT_EQ(band_rows(buffer, band)[0], " \u2630   \u25CF " + std::string(23, 't') +
                                            "\u2026 \u00D7 " + std::string(19, ' ') +
                                            " +   \u2590 ");
  EXPECT_EQ(test::cell_text(buffer, 5, 0, Palette::make(false)), "fg=warning bg=surface");
}

TEST(TopBar, SpinnerIsTheOnlyThingThatMovesWithTheTick) {
  const tui::Rect band{0, 0, 40, 3};
  bridge::Snapshot snapshot = tabbed();
  snapshot.status = "running";
  const Rows first = band_rows(drawn(snapshot, band, 0), band);
  const Rows next = band_rows(drawn(snapshot, band, 1), band);
  Rows expected = first;
  // The working tab's glyph and the breadcrumb status both turn.
  expected[0].replace(expected[0].find("\u280B"), 3, "\u2819");
  expected[1].replace(expected[1].find("\u280B"), 3, "\u2819");
  EXPECT_EQ(next, expected);
  EXPECT_NE(next, first);
}

TEST(TopBar, CompactBar) {
  bridge::Snapshot snapshot = tabbed();
  snapshot.status = "running";
  snapshot.update_notice = "v2 available";
  snapshot.breadcrumb = "main/src/render";
  const tui::Rect band{1, 1, 40, 2};
  const tui::Buffer buffer = drawn(snapshot, band, 12);
  EXPECT_EQ(band_rows(buffer, band),
            (Rows{"  main/src/\u2026v2 available \u00B7 \u2839 running  \u2590 ", rule(40)}));
  const Palette p = Palette::make(false);
  EXPECT_EQ(test::cell_text(buffer, 13, 1, p), "fg=accent bg=surface");  // notice
  EXPECT_EQ(test::cell_text(buffer, 28, 1, p),
            "fg=blue bg=surface");  // busy status, no agent colour
  EXPECT_EQ(test::cell_text(buffer, 39, 1, p), "fg=border bg=surface");  // ▐
  EXPECT_EQ(test::cell_text(buffer, 1, 2, p), "fg=border bg=surface");   // rule
}

TEST(TopBar, AgentPageHeader) {
  bridge::Snapshot snapshot = tabbed();
  snapshot.agent_page = "reviewer";
  snapshot.model = "sonnet";
  snapshot.title = "Reviewer";
  struct Case {
    const char* status;
    std::uint16_t width;
    std::string first;
  };
  const Case cases[] = {
      {"running", 40, "  Reviewer" + std::string(10, ' ') + "sonnet \u00B7 Working \u2590  "},
      {"idle", 40, "  Reviewer" + std::string(13, ' ') + "sonnet \u00B7 Done \u2590  "},
      // The title gets only what the model label and the state leave.
      {"running", 30, "  Revi\u2026   sonnet \u00B7 Working \u2590  "},
  };
  for (const Case& c : cases) {
    snapshot.status = c.status;
    const tui::Rect band{1, 1, c.width, 3};
    const tui::Buffer buffer = drawn(snapshot, band);
    EXPECT_EQ(band_rows(buffer, band), (Rows{c.first, rule(c.width), std::string(c.width, ' ')}))
        << c.status;
    const Palette p = Palette::make(false);
    EXPECT_EQ(test::cell_text(buffer, 3, 1, p), "fg=text bg=surface") << c.status;
    EXPECT_EQ(test::cell_text(buffer, 1, 2, p), "fg=background bg=surface") << c.status;
    EXPECT_EQ(test::cell_text(buffer, 1, 3, p), "fg=text bg=surface") << c.status;
  }
}

}  // namespace
}  // namespace orvane::render::chrome

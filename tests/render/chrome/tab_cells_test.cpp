#include "render/chrome/tab_cells.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::render::chrome {
namespace {

using Cells = std::vector<std::string>;

// "Tab2[4,12)" and the like, so a failing layout reads as the bar would.
Cells cell_names(const std::vector<TopCell>& cells) {
  static const char* const kKinds[] = {"Sessions", "Tab", "New", "Details"};
  Cells out;
  for (const TopCell& cell : cells) {
    std::string name = kKinds[static_cast<int>(cell.kind)];
    if (cell.kind == TopCell::Kind::Tab) name += std::to_string(cell.tab);
    out.push_back(name + "[" + std::to_string(cell.start) + "," + std::to_string(cell.end) + ")");
  }
  return out;
}

bridge::Session tab(std::string title, bool active = false) {
  bridge::Session session;
  session.title = std::move(title);
  session.active = active;
  return session;
}

bridge::Snapshot with_tabs(std::vector<bridge::Session> tabs) {
  bridge::Snapshot snapshot;
  snapshot.tabs = std::move(tabs);
  return snapshot;
}

// Six tabs of 8 columns each ("tN" plus the tab's frame), the one at `active` active.
bridge::Snapshot six_tabs(int active) {
  std::vector<bridge::Session> tabs;
  for (int i = 0; i < 6; ++i) tabs.push_back(tab("t" + std::to_string(i), i == active));
  return with_tabs(std::move(tabs));
}

TEST(TabCells, Layout) {
  bridge::Snapshot agent_page = with_tabs({tab("alpha")});
  agent_page.agent_page = "reviewer";
  const std::string forty(40, 'x');
  struct Case {
    const char* name;
    bridge::Snapshot snapshot;
    std::uint16_t width;
    Cells want;
  };
  const Case cases[] = {
      {"the second tab would pass the strip's end",
       with_tabs({tab("alpha"), tab("beta")}),
       30,
       {"Sessions[0,3)", "Tab0[4,15)", "New[23,26)", "Details[27,30)"}},
      {"both tabs fit",
       with_tabs({tab("alpha"), tab("beta")}),
       40,
       {"Sessions[0,3)", "Tab0[4,15)", "Tab1[15,25)", "New[33,36)", "Details[37,40)"}},
      {"a tab may end exactly at the strip's end",
       with_tabs({tab("alpha"), tab("beta")}),
       32,
       {"Sessions[0,3)", "Tab0[4,15)", "Tab1[15,25)", "New[25,28)", "Details[29,32)"}},
      {"a 40-column title makes a 30-column tab",
       with_tabs({tab(forty)}),
       80,
       {"Sessions[0,3)", "Tab0[4,34)", "New[73,76)", "Details[77,80)"}},
      {"no tabs", bridge::Snapshot{}, 20, {"Sessions[0,3)", "New[13,16)", "Details[17,20)"}},
      {"zero width", with_tabs({tab("alpha")}), 0, {"Sessions[0,0)", "New[0,0)", "Details[0,0)"}},
      {"narrower than the buttons",
       with_tabs({tab("alpha")}),
       5,
       {"Sessions[0,3)", "New[0,1)", "Details[2,5)"}},
      {"agent page", agent_page, 30, {"Details[27,30)"}},
      {"agent page narrower than the button", agent_page, 2, {"Details[0,2)"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(cell_names(tab_cells(c.snapshot, c.width)), c.want) << c.name;
}

TEST(TabCells, StripScrollsToTheActiveTab) {
  struct Case {
    const char* name;
    bridge::Snapshot snapshot;
    Cells want;
  };
  // Width 40 leaves 29 columns for tabs: three of 8 columns.
  const Case cases[] = {
      {"none active",
       six_tabs(-1),
       {"Sessions[0,3)", "Tab0[4,12)", "Tab1[12,20)", "Tab2[20,28)", "New[33,36)",
        "Details[37,40)"}},
      {"first active",
       six_tabs(0),
       {"Sessions[0,3)", "Tab0[4,12)", "Tab1[12,20)", "Tab2[20,28)", "New[33,36)",
        "Details[37,40)"}},
      {"active already shown",
       six_tabs(2),
       {"Sessions[0,3)", "Tab0[4,12)", "Tab1[12,20)", "Tab2[20,28)", "New[33,36)",
        "Details[37,40)"}},
      {"fifth active ends the strip",
       six_tabs(4),
       {"Sessions[0,3)", "Tab2[4,12)", "Tab3[12,20)", "Tab4[20,28)", "New[33,36)",
        "Details[37,40)"}},
      {"last active",
       six_tabs(5),
       {"Sessions[0,3)", "Tab3[4,12)", "Tab4[12,20)", "Tab5[20,28)", "New[33,36)",
        "Details[37,40)"}},
  };
  for (const Case& c : cases) EXPECT_EQ(cell_names(tab_cells(c.snapshot, 40)), c.want) << c.name;
}

TEST(TabCells, FirstActiveTabWinsAndAnOversizedOneStandsAlone) {
  bridge::Snapshot two_active = six_tabs(4);
  two_active.tabs[5].active = true;
  EXPECT_EQ(cell_names(tab_cells(two_active, 40)),
            (Cells{"Sessions[0,3)", "Tab2[4,12)", "Tab3[12,20)", "Tab4[20,28)", "New[33,36)",
                   "Details[37,40)"}));

  // The active tab alone is wider than the strip: the strip starts at it, and it does not fit.
  const bridge::Snapshot wide = with_tabs({tab("a"), tab(std::string(30, 'x'), true), tab("b")});
  EXPECT_EQ(cell_names(tab_cells(wide, 30)),
            (Cells{"Sessions[0,3)", "New[23,26)", "Details[27,30)"}));
}

TEST(TopCells, CompactBandHasOnlyTheDetailsButton) {
  const bridge::Snapshot snapshot = with_tabs({tab("alpha", true), tab("beta")});
  EXPECT_EQ(cell_names(top_cells(snapshot, {10, 0, 40, 2})), (Cells{"Details[37,40)"}));
  EXPECT_EQ(cell_names(top_cells(snapshot, {0, 0, 2, 2})), (Cells{"Details[0,2)"}));
  // Columns count from the band's left edge, whatever its position on screen.
  EXPECT_EQ(cell_names(top_cells(snapshot, {10, 0, 40, 3})), cell_names(tab_cells(snapshot, 40)));
}

}  // namespace
}  // namespace orvane::render::chrome

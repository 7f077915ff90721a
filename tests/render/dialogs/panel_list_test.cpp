#include "render/dialogs/panel_list.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace orvane::render::dialogs {
namespace {

bridge::Item item(std::string label, std::string group = "") {
  return {std::move(label), "", {}, std::move(group)};
}

// Rows as text: group rows as "[group]", item rows as "label#index".
std::vector<std::string> texts(const std::vector<PanelRow>& rows) {
  std::vector<std::string> out;
  for (const PanelRow& row : rows) {
    out.push_back(row.item ? std::string(row.text) + "#" + std::to_string(*row.item)
                           : "[" + std::string(row.text) + "]");
  }
  return out;
}

TEST(PanelRows, GroupsHeadEachRunOfTheirItems) {
  const std::vector<bridge::Item> items = {item("gpt-a", "OpenAI"), item("gpt-b", "OpenAI"),
                                           item("loose"), item("gpt-c", "OpenAI"),
                                           item("claude", "Anthropic")};
  EXPECT_EQ(texts(panel_rows(items, "")),
            (std::vector<std::string>{"[OpenAI]", "gpt-a#0", "gpt-b#1", "loose#2", "[OpenAI]",
                                      "gpt-c#3", "[Anthropic]", "claude#4"}));
  // Filtering ignores case and renumbers the kept items.
  EXPECT_EQ(texts(panel_rows(items, "GPT-")),
            (std::vector<std::string>{"[OpenAI]", "gpt-a#0", "gpt-b#1", "gpt-c#2"}));
  EXPECT_TRUE(panel_rows(items, "nothing").empty());
}

TEST(PanelRows, WindowKeepsTheSelectionOnTheLastRow) {
  std::vector<bridge::Item> items;
  for (int i = 0; i < 20; ++i) items.push_back(item("item" + std::to_string(i)));
  const std::vector<PanelRow> rows = panel_rows(items, "");
  EXPECT_EQ(first_shown_row(rows, 14, 10), 5u);
  EXPECT_EQ(first_shown_row(rows, 3, 10), 0u);
  // A selection naming no row shows the top; no room still shows the selected row.
  EXPECT_EQ(first_shown_row(rows, 99, 10), 0u);
  EXPECT_EQ(first_shown_row(rows, 7, 0), 7u);
}

// A 20-item page panel at the top of a 60 × 24 region: content from row 4, header two rows.
TEST(PanelItemAt, MapsScreenRowsToFilteredItems) {
  bridge::Snapshot snapshot;
  snapshot.panel_title = "Models";
  snapshot.items = {item("a", "G"), item("b", "G"), item("c")};
  const tui::Rect panel{0, 0, 60, 24};
  struct Case {
    std::uint16_t row;
    std::optional<std::size_t> expected;
  };
  const Case cases[] = {
      {0, std::nullopt},  // title
      {4, std::nullopt},  // filter line
      {5, std::nullopt},  // blank line
      {6, std::nullopt},  // group row
      {7, 0},           {8, 1}, {9, 2},
      {10, std::nullopt},  // past the list
      {23, std::nullopt},  // past the content
  };
  for (const Case& c : cases) {
    EXPECT_EQ(panel_item_at(snapshot, panel, "", 0, c.row), c.expected) << "row " << c.row;
  }
  EXPECT_EQ(panel_item_at(snapshot, panel, "c", 0, 6), std::optional<std::size_t>(0));
  EXPECT_EQ(panel_item_at(snapshot, panel, "zzz", 0, 6), std::nullopt);
}

TEST(PanelItemAt, FollowsTheScrolledWindowAndNavigationHeader) {
  bridge::Snapshot snapshot;
  snapshot.panel_title = "Sessions";
  for (int i = 0; i < 30; ++i) snapshot.items.push_back(item("s" + std::to_string(i)));
  snapshot.nav = bridge::Nav{};
  snapshot.panel_lines = {"first", "second", "third"};
  // Content rows 4..18 (15 rows), header 4 rows, 11 list rows: selection 20 shows 10..20.
  const tui::Rect panel{0, 0, 80, 20};
  EXPECT_EQ(panel_item_at(snapshot, panel, "", 20, 7), std::nullopt);
  EXPECT_EQ(panel_item_at(snapshot, panel, "", 20, 8), std::optional<std::size_t>(10));
  EXPECT_EQ(panel_item_at(snapshot, panel, "", 20, 18), std::optional<std::size_t>(20));
  EXPECT_EQ(panel_item_at(snapshot, panel, "", 20, 19), std::nullopt);
  // A drawer's content starts two rows down, without borders.
  snapshot.nav.reset();
  snapshot.panel_layout = "drawer";
  EXPECT_EQ(panel_item_at(snapshot, panel, "", 0, 4), std::optional<std::size_t>(0));
}

}  // namespace
}  // namespace orvane::render::dialogs

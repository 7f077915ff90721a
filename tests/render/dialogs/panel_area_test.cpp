#include "render/dialogs/panel_area.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::render::dialogs {
namespace {

using tui::Rect;

bridge::Snapshot panel(std::string layout, std::size_t items, std::vector<std::string> lines,
                       bool nav = false) {
  bridge::Snapshot snapshot;
  snapshot.panel_title = "Panel";
  snapshot.panel_layout = std::move(layout);
  for (std::size_t i = 0; i < items; ++i) snapshot.items.push_back({"item", "", {}, ""});
  snapshot.panel_lines = std::move(lines);
  if (nav) snapshot.nav = bridge::Nav{};
  return snapshot;
}

TEST(PanelArea, PlacementFollowsLayoutItemsAndText) {
  const std::vector<std::string> two_short = {"one", "two"};
  const std::vector<std::string> five_short = {"a", "b", "c", "d", "e"};
  struct Case {
    const char* name;
    Rect region;
    bridge::Snapshot snapshot;
    Rect expected;
  };
  const Case cases[] = {
      {"page covers the region", {3, 2, 100, 40}, panel("page", 20, {}), {3, 2, 100, 40}},
      {"no layout is a page", {3, 2, 100, 40}, panel("", 0, two_short), {3, 2, 100, 40}},
      {"drawer of 3 items", {0, 0, 100, 40}, panel("drawer", 3, {}), {0, 33, 100, 7}},
      {"drawer of two short lines", {0, 0, 100, 40}, panel("drawer", 0, two_short), {0, 36, 100, 4}},
      {"centred box of 20 items", {0, 0, 100, 40}, panel("centered", 20, {}), {5, 10, 90, 20}},
      {"centred box of 5 lines", {0, 0, 100, 40}, panel("centered", 0, five_short), {5, 13, 90, 13}},
      {"tiny page", {1, 1, 6, 5}, panel("page", 1, {}), {1, 1, 6, 5}},
      {"tiny centred box takes the region", {1, 1, 6, 5}, panel("box", 1, {}), {1, 1, 6, 5}},
      {"tiny drawer with an item", {1, 1, 6, 5}, panel("drawer", 1, {}), {1, 1, 6, 5}},
      {"tiny drawer with a line", {1, 1, 6, 5}, panel("drawer", 0, {"x"}), {1, 3, 6, 3}},
      {"navigation box", {0, 0, 100, 40}, panel("drawer", 3, {}, true), {2, 1, 96, 38}},
      {"tiny navigation box", {0, 0, 6, 5}, panel("page", 0, {}, true), {0, 0, 6, 5}},
      {"no room past the last column", {65530, 65530, 10, 10}, panel("page", 0, {}),
       {65530, 65530, 5, 5}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(panel_area(c.region, c.snapshot), c.expected) << c.name;
  }
}

TEST(PanelArea, WrappedLinesCountTowardsTheHeight) {
  // 200 columns of text in a 90-column box (86 inner) need three rows.
  const bridge::Snapshot snapshot = panel("box", 0, {std::string(200, 'x')});
  EXPECT_EQ(panel_area({0, 0, 100, 40}, snapshot).height, 11);
}

TEST(NavRect, SitsUnderTheTitleAndIsAtMost24Wide) {
  EXPECT_EQ(nav_rect({2, 1, 96, 38}), (Rect{4, 5, 24, 33}));
  EXPECT_EQ(nav_rect({0, 0, 10, 3}), (Rect{2, 3, 6, 0}));
}

}  // namespace
}  // namespace orvane::render::dialogs

#include "render/regions.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace orvane::tui {
void PrintTo(const Rect& r, std::ostream* out) {
  *out << "{x " << r.x << ", y " << r.y << ", w " << r.width << ", h " << r.height << "}";
}
}  // namespace orvane::tui

namespace orvane::render {
namespace {

struct RegionsCase {
  std::string name;
  tui::Rect area;
  bool sessions_sidebar;
  bool details_sidebar;
  std::string last_opened;
  std::string agent_page;
  std::uint16_t composer;
  Regions want;
};

class RegionsTest : public testing::TestWithParam<RegionsCase> {};

TEST_P(RegionsTest, PlacesEveryRegion) {
  const RegionsCase& c = GetParam();
  bridge::Snapshot snapshot;
  snapshot.sessions_sidebar = c.sessions_sidebar;
  snapshot.details_sidebar = c.details_sidebar;
  snapshot.last_opened = c.last_opened;
  snapshot.agent_page = c.agent_page;
  const Regions got = regions(c.area, snapshot, c.composer);
  EXPECT_EQ(got.sessions, c.want.sessions) << "sessions";
  EXPECT_EQ(got.details, c.want.details) << "details";
  EXPECT_EQ(got.top, c.want.top) << "top";
  EXPECT_EQ(got.transcript, c.want.transcript) << "transcript";
  EXPECT_EQ(got.composer, c.want.composer) << "composer";
}

// Fields of `want`: transcript, composer, sessions, details, top.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Screens, RegionsTest,
    testing::Values(
        RegionsCase{"no_sidebars", {0, 0, 80, 24}, false, false, "", "", 7,
                    {{0, 3, 80, 14}, {0, 17, 80, 7}, {0, 0, 0, 24}, {80, 0, 0, 24}, {0, 0, 80, 3}}},
        RegionsCase{"both_wanted_sessions_mode_120", {0, 0, 120, 40}, true, true, "sessions", "", 7,
                    {{30, 2, 90, 31}, {30, 33, 90, 7}, {0, 0, 30, 40}, {120, 0, 0, 40}, {30, 0, 90, 2}}},
        RegionsCase{"both_wanted_details_mode_120", {0, 0, 120, 40}, true, true, "details", "", 7,
                    {{0, 3, 80, 30}, {0, 33, 80, 7}, {0, 0, 0, 40}, {80, 0, 40, 40}, {0, 0, 80, 3}}},
        RegionsCase{"both_shown_from_130", {0, 0, 140, 40}, true, true, "", "", 7,
                    {{30, 2, 70, 31}, {30, 33, 70, 7}, {0, 0, 30, 40}, {100, 0, 40, 40}, {30, 0, 70, 2}}},
        RegionsCase{"details_only_at_100", {0, 0, 100, 30}, false, true, "", "", 7,
                    {{0, 3, 60, 20}, {0, 23, 60, 7}, {0, 0, 0, 30}, {60, 0, 40, 30}, {0, 0, 60, 3}}},
        RegionsCase{"overlay_at_95_without_sessions_mode", {0, 0, 95, 30}, true, true, "", "", 7,
                    {{0, 3, 95, 20}, {0, 23, 95, 7}, {0, 0, 0, 30}, {55, 0, 40, 30}, {0, 0, 95, 3}}},
        RegionsCase{"sessions_and_overlay_at_95_in_sessions_mode", {0, 0, 95, 30}, true, true, "sessions", "", 7,
                    {{30, 2, 65, 21}, {30, 23, 65, 7}, {0, 0, 30, 30}, {55, 0, 40, 30}, {30, 0, 65, 2}}},
        RegionsCase{"sessions_alone_at_90", {0, 0, 90, 30}, true, false, "", "", 7,
                    {{30, 2, 60, 21}, {30, 23, 60, 7}, {0, 0, 30, 30}, {90, 0, 0, 30}, {30, 0, 60, 2}}},
        RegionsCase{"no_sessions_below_90", {0, 0, 89, 30}, true, false, "sessions", "", 7,
                    {{0, 3, 89, 20}, {0, 23, 89, 7}, {0, 0, 0, 30}, {89, 0, 0, 30}, {0, 0, 89, 3}}},
        RegionsCase{"overlay_at_60", {0, 0, 60, 20}, false, true, "", "", 7,
                    {{0, 3, 60, 10}, {0, 13, 60, 7}, {0, 0, 0, 20}, {20, 0, 40, 20}, {0, 0, 60, 3}}},
        RegionsCase{"overlay_full_width_at_30", {0, 0, 30, 20}, false, true, "", "", 7,
                    {{0, 3, 30, 10}, {0, 13, 30, 7}, {0, 0, 0, 20}, {0, 0, 30, 20}, {0, 0, 30, 3}}},
        RegionsCase{"overlay_in_offset_area", {10, 1, 60, 20}, false, true, "", "", 7,
                    {{10, 4, 60, 10}, {10, 14, 60, 7}, {10, 1, 0, 20}, {30, 1, 40, 20}, {10, 1, 60, 3}}},
        RegionsCase{"sub_agent_page_has_short_top", {0, 0, 80, 24}, false, false, "", "task-1", 3,
                    {{0, 2, 80, 19}, {0, 21, 80, 3}, {0, 0, 0, 24}, {80, 0, 0, 24}, {0, 0, 80, 2}}}),
    [](const auto& info) { return info.param.name; });
// clang-format on

}  // namespace
}  // namespace orvane::render

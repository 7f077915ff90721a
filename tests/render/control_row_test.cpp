#include "render/control_row.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <vector>

#include "support/line_text.hpp"

namespace orvane::render {
namespace {

TEST(MeterCells, UsedShareOfTheWindowRoundedUp) {
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  struct Case {
    std::optional<std::uint64_t> used, window;
    std::size_t want;
  };
  const std::vector<Case> cases = {
      {50000, 200000, 3},
      {std::nullopt, 200000, 0},
      {0, 200000, 0},
      {1, 200000, 1},
      {200000, 200000, 10},
      {900000, 200000, 10},
      {30, 100, 3},
      {31, 100, 4},
      {5000, std::nullopt, 0},
      {5000, 0, 0},
      {kMax, kMax, 10},
      {kMax - 1, kMax, 10},
      {kMax / 10, kMax, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(meter_cells(c.used, c.window), c.want)
        << c.used.value_or(0) << " of " << c.window.value_or(0);
  }
}

TEST(ControlRow, ControlsGapMeterAndStatus) {
  const Palette palette = Palette::make(false);
  const test::ColorNames names = test::color_names(palette);
  ControlLayout layout;
  layout.items = {{"Build", "/agent"}, {"sonnet", "/model"}};
  layout.status = "12%";
  layout.gap = 3;
  layout.meter = true;
  EXPECT_EQ(test::line_text(control_row(layout, 3, palette.purple, palette), names),
            "[bold fg=purple]Build[][fg=faint] \u00B7 [][fg=muted]sonnet[]   "
            "[fg=purple]\u2571\u2571\u2571[][fg=rule]\u2571\u2571\u2571\u2571\u2571\u2571\u2571[]  "
            "[fg=muted]12%[]");

  layout.meter = false;
  EXPECT_EQ(test::plain_text(control_row(layout, 3, palette.purple, palette)),
            "Build \u00B7 sonnet   12%");
}

TEST(ControlRow, FullAndEmptyMeters) {
  const Palette palette = Palette::make(false);
  const test::ColorNames names = test::color_names(palette);
  ControlLayout layout;
  layout.meter = true;
  EXPECT_EQ(
      test::line_text(control_row(layout, 0, palette.blue, palette), names),
      "[fg=rule]\u2571\u2571\u2571\u2571\u2571\u2571\u2571\u2571\u2571\u2571[]  [fg=muted][]");
  EXPECT_EQ(
      test::line_text(control_row(layout, 10, palette.blue, palette), names),
      "[fg=blue]\u2571\u2571\u2571\u2571\u2571\u2571\u2571\u2571\u2571\u2571[]  [fg=muted][]");
}

}  // namespace
}  // namespace orvane::render

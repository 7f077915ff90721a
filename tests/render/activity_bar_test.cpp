#include "render/activity_bar.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/line_text.hpp"

namespace orvane::render {
namespace {

const tui::Color kRule = tui::rgb(0x2c, 0x2c, 0x2c);
const tui::Color kLit = tui::rgb(0x5c, 0x9c, 0xf5);

// The foreground of every column, one entry per "─".
std::vector<tui::Color> column_colors(const tui::Line& line) {
  std::vector<tui::Color> out;
  for (const tui::Span& span : line.spans) {
    for (std::size_t i = 0; i < span.content.size(); i += std::string("\u2500").size()) {
      EXPECT_EQ(span.content.substr(i, 3), "\u2500");
      out.push_back(span.style.fg.value_or(tui::Reset{}));
    }
  }
  return out;
}

// Which columns are fully lit ('#'), at rest ('-') or in between ('+').
std::string lit_map(const tui::Line& line) {
  std::string out;
  for (const tui::Color& color : column_colors(line))
    out += color == kLit ? '#' : color == kRule ? '-' : '+';
  return out;
}

TEST(ActivityBar, IdleIsAPlainRule) {
  const tui::Line line = activity_bar(10, false, kRule, kLit, 45);
  EXPECT_EQ(test::line_text(line),
            "[fg=#2c2c2c]\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500[]");
}

TEST(ActivityBar, BusySegmentSweepsEndToEndAndBack) {
  // 36 columns: a segment of 7 over a range of 29.
  struct Case {
    std::uint64_t tick;
    std::string want;
  };
  const std::vector<Case> cases = {
      {0, "#######-----------------------------"},   {180, "#######-----------------------------"},
      {45, "--------------+######+--------------"},  {90, "-----------------------------#######"},
      {135, "--------------+######+--------------"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(lit_map(activity_bar(36, true, kRule, kLit, c.tick)), c.want) << c.tick;
}

TEST(ActivityBar, TinyWidths) {
  EXPECT_TRUE(activity_bar(0, true, kRule, kLit, 7).spans.empty());
  EXPECT_EQ(lit_map(activity_bar(1, true, kRule, kLit, 0)), "#");
  EXPECT_EQ(lit_map(activity_bar(4, true, kRule, kLit, 90)), "---#");
}

TEST(Blend, MixesEachChannelRoundingHalvesAway) {
  EXPECT_EQ(blend(kRule, kLit, 0.5), tui::rgb(68, 100, 145));
  EXPECT_EQ(blend(kRule, kLit, 0), kRule);
  EXPECT_EQ(blend(kRule, kLit, 1), kLit);
  EXPECT_EQ(blend(tui::rgb(255, 0, 10), tui::rgb(0, 255, 11), 0.5), tui::rgb(128, 128, 11));
}

TEST(Blend, ColoursThatAreNotRgbSwitchPastHalfway) {
  const tui::Color named = tui::Named::Red;
  EXPECT_EQ(blend(named, kLit, 0.5), named);
  EXPECT_EQ(blend(named, kLit, 0.51), kLit);
  EXPECT_EQ(blend(kRule, tui::Reset{}, 0.7), tui::Color(tui::Reset{}));
}

}  // namespace
}  // namespace orvane::render

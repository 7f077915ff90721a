#include "render/dialogs/completion.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/palette.hpp"
#include "support/buffer_rows.hpp"
#include "tui/buffer.hpp"

namespace orvane::render::dialogs {
namespace {

using Rows = std::vector<std::string>;

bridge::Snapshot overlay(std::size_t count, std::string theme = "") {
  bridge::Snapshot snapshot;
  snapshot.theme = std::move(theme);
  for (std::size_t i = 0; i < count; ++i) snapshot.completions.push_back("c" + std::to_string(i));
  return snapshot;
}

// Draws the popup over a transcript region of `height` rows, 24 columns wide.
tui::Buffer draw(const bridge::Snapshot& snapshot, std::uint16_t height, std::size_t selected) {
  tui::Buffer buffer(tui::Rect{0, 0, 24, height});
  tui::Frame frame{buffer, buffer.area(), {}};
  completion(frame, snapshot, buffer.area(), selected);
  return buffer;
}

const std::string kHint = "  \u2191\u2193 choose \u00b7 Enter sele";

TEST(Completion, AreaSitsAtTheBottomOfTheTranscript) {
  struct Case {
    tui::Rect area;
    std::size_t candidates;
    tui::Rect expected;
  };
  const Case cases[] = {
      {{0, 2, 80, 20}, 3, {0, 18, 80, 4}},
      {{0, 2, 80, 20}, 12, {0, 13, 80, 9}},
      {{0, 2, 80, 5}, 12, {0, 2, 80, 5}},
      {{5, 0, 10, 0}, 3, {5, 0, 10, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(completion_area(c.area, c.candidates), c.expected);
}

TEST(Completion, WindowFollowsTheSelection) {
  struct Case {
    const char* name;
    std::size_t count;
    std::uint16_t height;
    std::size_t selected;
    Rows rows;
  };
  const Case cases[] = {
      {"three candidates", 3, 6, 0,
       {"                        ", "                        ", kHint,
        "  \u25b8 c0                  ", "    c1                  ", "    c2                  "}},
      {"selection 9 of 12", 12, 9, 9,
       {kHint, "    c2                  ", "    c3                  ", "    c4                  ",
        "    c5                  ", "    c6                  ", "    c7                  ",
        "    c8                  ", "  \u25b8 c9                  "}},
      {"cut to five rows", 12, 5, 7,
       {kHint, "    c0                  ", "    c1                  ", "    c2                  ",
        "    c3                  "}},
      {"selection past the list", 2, 3, 20, {kHint, "                        ", "                        "}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(test::buffer_rows(draw(overlay(c.count), c.height, c.selected)), c.rows) << c.name;
  }
}

TEST(Completion, RowsAreCutAndPaddedToTwoColumnsShortOfTheEdge) {
  auto snapshot = overlay(0, "orvane-light");
  snapshot.completions = {"a-very-long-candidate-name", "x"};
  const auto buffer = draw(snapshot, 3, 0);
  EXPECT_EQ(test::buffer_rows(buffer)[1], "  \u25b8 a-very-long-candi\u2026  ");
  const Palette light = Palette::make(true);
  EXPECT_EQ(buffer.at(21, 1).bg, light.focus);
  EXPECT_EQ(buffer.at(22, 1).bg, light.popup);
  EXPECT_EQ(buffer.at(5, 2).fg, light.muted);
}

}  // namespace
}  // namespace orvane::render::dialogs

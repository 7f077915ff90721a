#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/buffer_rows.hpp"
#include "tui/block.hpp"
#include "tui/buffer.hpp"
#include "tui/clear.hpp"
#include "tui/paragraph.hpp"
#include "tui/scrollbar.hpp"

namespace orvane::tui {
namespace {

using test::buffer_rows;
using Rows = std::vector<std::string>;

Buffer dotted(Rect area) {
  Buffer buffer(area);
  for (std::uint16_t y = area.y; y < area.bottom(); ++y) {
    for (std::uint16_t x = area.x; x < area.right(); ++x) buffer.set_string(x, y, ".", {});
  }
  return buffer;
}

TEST(Paragraph, DrawsOneLinePerRowClippedToItsArea) {
  Buffer buffer = dotted({0, 0, 8, 4});
  const Paragraph paragraph{{Line({Span("hello "), Span("world")}), Line({Span("a\u4E2Db")}),
                             Line({Span("cut")}), Line({Span("never")})},
                            {}};
  render(paragraph, {1, 1, 5, 2}, buffer);
  EXPECT_EQ(buffer_rows(buffer), (Rows{"........", ".hello..", ".a\u4E2Db...", "........"}));
}

TEST(Paragraph, BaseStyleFillsTheAreaAndLineStyleOnlyItsSpans) {
  Buffer buffer({0, 0, 6, 2});
  const Style base = Style{}.with_fg(Named::White).with_bg(Named::Black);
  const Line line({Span("ab", Style{}.with_fg(Named::Red))}, Style{}.with_bg(Named::Blue));
  render(Paragraph{{line}, base}, {0, 0, 6, 2}, buffer);
  EXPECT_EQ(buffer.at(0, 0).fg, Color{Named::Red});
  EXPECT_EQ(buffer.at(0, 0).bg, Color{Named::Blue});
  EXPECT_EQ(buffer.at(2, 0).fg, Color{Named::White});
  EXPECT_EQ(buffer.at(2, 0).bg, Color{Named::Black});
  EXPECT_EQ(buffer.at(5, 1).bg, Color{Named::Black});
}

struct BlockCase {
  const char* name;
  Block block;
  Rows screen;
  Rect inner;
};

TEST(Block, DrawsBordersAndReportsItsInnerArea) {
  const BlockCase cases[] = {
      {"no borders", Block{}, {".......", ".......", ".......", "......."}, {1, 1, 5, 2}},
      {"all four",
       Block{.borders = Borders::All},
       {".......", ".┌───┐.", ".└───┘.", "......."},
       {2, 2, 3, 0}},
      {"left only, padded",
       Block{.borders = Borders::Left, .padding = {2, 1, 1, 0}},
       {".......", ".│.....", ".│.....", "......."},
       {4, 2, 1, 1}},
      {"right only",
       Block{.borders = Borders::Right},
       {".......", ".....│.", ".....│.", "......."},
       {1, 1, 4, 2}},
      {"left and right",
       Block{.borders = Borders::Left | Borders::Right},
       {".......", ".│...│.", ".│...│.", "......."},
       {2, 1, 3, 2}},
  };
  for (const BlockCase& c : cases) {
    SCOPED_TRACE(c.name);
    Buffer buffer = dotted({0, 0, 7, 4});
    render(c.block, {1, 1, 5, 2}, buffer);
    EXPECT_EQ(buffer_rows(buffer), c.screen);
    EXPECT_EQ(c.block.inner({1, 1, 5, 2}), c.inner);
  }
}

TEST(Block, StyleFillsTheAreaAndBorderStyleGoesOnTop) {
  Buffer buffer({0, 0, 4, 3});
  const Block block{.borders = Borders::Left,
                    .border_style = Style{}.with_fg(Named::Gray),
                    .style = Style{}.with_fg(Named::White).with_bg(Named::Blue)};
  render(block, {0, 0, 3, 3}, buffer);
  EXPECT_EQ(buffer.at(0, 1).fg, Color{Named::Gray});
  EXPECT_EQ(buffer.at(0, 1).bg, Color{Named::Blue});
  EXPECT_EQ(buffer.at(2, 2).fg, Color{Named::White});
  EXPECT_EQ(buffer.at(2, 2).bg, Color{Named::Blue});
  EXPECT_EQ(buffer.at(3, 2), Cell{});
}

TEST(Block, InnerAreaSaturatesWhenPaddingExceedsTheArea) {
  const Block block{.borders = Borders::All, .padding = {5, 5, 5, 5}};
  EXPECT_TRUE(block.inner({10, 10, 6, 3}).empty());
}

TEST(Clear, ResetsItsAreaToDefaultCells) {
  Buffer buffer = dotted({0, 0, 4, 2});
  buffer.set_style(buffer.area(), Style{}.with_bg(Named::Red).with_add(Modifier::Bold));
  render(Clear{}, {1, 0, 2, 1}, buffer);
  EXPECT_EQ(buffer_rows(buffer), (Rows{".  .", "...."}));
  EXPECT_EQ(buffer.at(1, 0), Cell{});
  EXPECT_EQ(buffer.at(3, 0).bg, Color{Named::Red});
}

struct ThumbCase {
  std::size_t content;
  std::size_t position;
  std::uint16_t track;
  Thumb thumb;
};

TEST(Scrollbar, ThumbPositions) {
  const ThumbCase cases[] = {
      // D = content − 1 + track.
      {100, 0, 10, {0, 1}},     // 0 .. round(100/109) = 1
      {100, 50, 10, {5, 6}},    // round(500/109) = 5 .. round(600/109) = 6
      {100, 99, 10, {9, 10}},   // round(990/109) = 9 .. 10
      {100, 500, 10, {9, 10}},  // position past the end counts as the last
      {5, 0, 10, {0, 7}},       // 0 .. round(100/14) = 7
      {5, 4, 10, {3, 10}},      // round(40/14) = 3 .. 10
      {1, 0, 10, {0, 10}},      // a single position fills the track
      {21, 10, 20, {5, 15}},    // round(200/40) = 5 .. round(600/40) = 15
      {3, 1, 2, {1, 2}},        // round(2/4) = 1 (half rounds up) .. round(6/4) = 2
      {7, 6, 2, {1, 2}},        // round(12/8) = 2 is the end of the track: the thumb keeps one row
      {1000, 500, 3, {1, 2}},   // round(1500/1002) = 1 .. round(1509/1002) = 2
      {0, 0, 10, {0, 0}},       // no content: nothing
      {10, 0, 0, {0, 0}},       // no track: nothing
  };
  for (const ThumbCase& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "content " << c.content << " position " << c.position << " track " << c.track);
    const Thumb bar =
        thumb(Scrollbar{.content_length = c.content, .position = c.position}, c.track);
    EXPECT_EQ(bar.start, c.thumb.start);
    EXPECT_EQ(bar.end, c.thumb.end);
  }
}

TEST(Scrollbar, DrawsThumbAndTrackInTheRightmostColumn) {
  Buffer buffer = dotted({0, 0, 4, 5});
  const Scrollbar bar{.thumb_symbol = "▐",
                      .thumb_style = Style{}.with_fg(Named::Gray),
                      .track_symbol = " ",
                      .track_style = Style{}.with_bg(Named::Black),
                      .content_length = 5,
                      .position = 2};
  // D = 4 + 5: thumb from round(10/9) = 1 to round(35/9) = 4.
  render(bar, {0, 0, 3, 5}, buffer);
  EXPECT_EQ(buffer_rows(buffer), (Rows{".. .", "..▐.", "..▐.", "..▐.", ".. ."}));
  EXPECT_EQ(buffer.at(2, 1).fg, Color{Named::Gray});
  EXPECT_EQ(buffer.at(2, 0).bg, Color{Named::Black});
  EXPECT_EQ(buffer.at(2, 1).bg, Color{Reset{}});
}

TEST(Scrollbar, DrawsNothingWithoutContent) {
  Buffer buffer = dotted({0, 0, 2, 3});
  render(Scrollbar{.content_length = 0}, {0, 0, 2, 3}, buffer);
  EXPECT_EQ(buffer_rows(buffer), (Rows{"..", "..", ".."}));
}

}  // namespace
}  // namespace orvane::tui

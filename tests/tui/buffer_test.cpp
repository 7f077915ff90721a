#include "tui/buffer.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/buffer_rows.hpp"
#include "unicode/width.hpp"

namespace orvane::tui {
namespace {

using test::buffer_rows;

Buffer filled(Rect area, std::string_view symbol) {
  Buffer buffer(area);
  for (std::uint16_t y = area.y; y < area.bottom(); ++y) {
    for (std::uint16_t x = area.x; x < area.right(); ++x) buffer.set_string(x, y, symbol, {});
  }
  return buffer;
}

// Every wide symbol is followed by a covered cell, and every covered cell follows one.
void expect_wide_pairs(const Buffer& buffer) {
  const Rect area = buffer.area();
  for (std::uint16_t y = area.y; y < area.bottom(); ++y) {
    bool covering = false;
    for (std::uint16_t x = area.x; x < area.right(); ++x) {
      const Cell& cell = buffer.at(x, y);
      EXPECT_EQ(cell.skip, covering) << "cell (" << x << ", " << y << ")";
      covering = !cell.skip && unicode::cluster_width(cell.shown()) == 2;
    }
    EXPECT_FALSE(covering) << "a wide character crosses the right edge of row " << y;
  }
}

struct WriteCase {
  const char* name;
  std::uint16_t x;
  std::string text;
  std::size_t max_width;
  std::string row;
  std::uint16_t end;
};

TEST(Buffer, WritesClustersClippedToTheAreaAndTheMaxWidth) {
  const WriteCase cases[] = {
      {"fits", 0, "hello", 99, "hello.", 5},
      {"cut at the right edge", 0, "hello world", 99, "hello ", 6},
      {"starts inside", 3, "hello", 99, "...hel", 6},
      {"cut at the max width", 0, "hello", 2, "he....", 2},
      {"wide character", 0, "a\u4E2Db", 99, "a\u4E2Db..", 4},
      {"wide character past the max width is not drawn", 0, "a\u4E2Db", 2, "a.....", 1},
      {"wide character past the right edge is not drawn", 4, "a\u4E2D", 99, "....a.", 5},
      {"control characters are skipped", 0, "a\x1b]52;c;x\x07z", 99, "a]52;c", 6},
      {"tab, CR LF and DEL are skipped", 0, "a\tb\r\nc\x7f", 99, "abc...", 3},
      {"C1 control is skipped", 0, "a\u009Bb", 99, "ab....", 2},
      {"zero width space is skipped", 0, "a\u200Bb", 99, "ab....", 2},
      {"lone combining mark is skipped", 0, "\u0301ab", 99, "ab....", 2},
      {"combining mark stays with its base", 0, "e\u0301x", 99, "e\u0301x....", 2},
      {"emoji sequence is one wide cell", 0, "\U0001F468\u200D\U0001F469!", 99,
       "\U0001F468\u200D\U0001F469!...", 3},
      {"invalid UTF-8 becomes U+FFFD", 0,
       "a\xff"
       "b",
       99, "a\uFFFDb...", 3},
      {"outside the area", 6, "hello", 99, "......", 6},
      {"empty text", 2, "", 99, "......", 2},
  };
  for (const WriteCase& c : cases) {
    SCOPED_TRACE(c.name);
    Buffer buffer = filled({0, 0, 6, 1}, ".");
    const Position end = buffer.set_stringn(c.x, 0, c.text, c.max_width, {});
    EXPECT_EQ(buffer_rows(buffer), std::vector<std::string>{c.row});
    EXPECT_EQ(end, (Position{c.end, 0}));
    expect_wide_pairs(buffer);
  }
}

TEST(Buffer, IndexesRowMajorFromTheAreaOrigin) {
  Buffer buffer({3, 2, 4, 3});
  EXPECT_EQ(buffer.index_of(3, 2), 0u);
  EXPECT_EQ(buffer.index_of(6, 2), 3u);
  EXPECT_EQ(buffer.index_of(4, 4), 9u);
  buffer.set_string(5, 3, "xy", {});
  EXPECT_EQ(buffer.content()[6].symbol, "x");
  EXPECT_EQ(buffer_rows(buffer), (std::vector<std::string>{"    ", "  xy", "    "}));
}

struct OverwriteCase {
  const char* name;
  std::uint16_t x;
  std::string text;
  std::string row;
};

TEST(Buffer, OverwritingHalfAWideCharacterBlanksTheOtherHalf) {
  // Two wide characters: cells 0–1 and 2–3, then "z" in cell 4.
  const OverwriteCase cases[] = {
      {"left half", 0, "x", "x \u4E2Dz"},
      {"right half", 1, "x", " x\u4E2Dz"},
      {"wide over two halves", 1, "\u65E5", " \u65E5 z"},
      {"narrow over both", 1, "xy", " xy z"},
      {"wide over a right half and a narrow one", 3, "\u65E5", "\u4E2D \u65E5"},
      {"same width, other character", 2, "\u65E5", "\u4E2D\u65E5z"},
  };
  for (const OverwriteCase& c : cases) {
    SCOPED_TRACE(c.name);
    Buffer buffer({0, 0, 5, 1});
    buffer.set_string(0, 0, "\u4E2D\u4E2Dz", {});
    buffer.set_string(c.x, 0, c.text, {});
    EXPECT_EQ(buffer_rows(buffer), std::vector<std::string>{c.row});
    expect_wide_pairs(buffer);
  }
}

TEST(Buffer, WideCharacterOverTheLastCellIsNotDrawn) {
  // Cells 3–4 hold a wide character; writing a wide one at 4 would cross the edge.
  Buffer buffer({0, 0, 5, 1});
  buffer.set_string(0, 0, "abc\u4E2D", {});
  buffer.set_string(4, 0, "\u65E5", {});
  EXPECT_EQ(buffer_rows(buffer), std::vector<std::string>{"abc\u4E2D"});
  expect_wide_pairs(buffer);
}

TEST(Buffer, ResetOfARectangleBreaksUpWideCharactersAtItsEdges) {
  Buffer buffer({0, 0, 6, 2});
  buffer.set_string(0, 0, "\u4E2D\u4E2D\u4E2D", Style{}.with_fg(Named::Red));
  buffer.set_string(0, 1, "abcdef", Style{}.with_bg(Named::Blue));
  buffer.reset({1, 0, 2, 2});
  EXPECT_EQ(buffer_rows(buffer), (std::vector<std::string>{"    \u4E2D", "a  def"}));
  expect_wide_pairs(buffer);
  // The halves left outside keep their style; the cells inside are default.
  EXPECT_EQ(buffer.at(0, 0).fg, Color{Named::Red});
  EXPECT_EQ(buffer.at(3, 0).fg, Color{Named::Red});
  EXPECT_EQ(buffer.at(1, 1), Cell{});
  EXPECT_EQ(buffer.at(3, 1).bg, Color{Named::Blue});
}

TEST(Cell, EmptySymbolEqualsASpace) {
  Cell empty;
  empty.symbol.clear();
  EXPECT_EQ(empty, Cell{});
  Cell other;
  other.symbol = "x";
  EXPECT_NE(other, Cell{});
}

Style both_ways(Modifier add, Modifier sub) {
  Style style;
  style.add = add;
  style.sub = sub;
  return style;
}

struct StyleCase {
  const char* name;
  Style first;
  Style second;
  Color fg, bg, underline;
  Modifier modifiers;
};

TEST(Cell, StylesAreLaidOverTheCell) {
  const StyleCase cases[] = {
      {"absent colours are kept", Style{}.with_fg(Named::Red).with_bg(Named::Blue),
       Style{}.with_underline(rgb(1, 2, 3)), Named::Red, Named::Blue, Rgb{1, 2, 3}, Modifier::None},
      {"colours are replaced", Style{}.with_fg(Named::Red), Style{}.with_fg(rgb(9, 9, 9)),
       Rgb{9, 9, 9}, Reset{}, Reset{}, Modifier::None},
      {"reset is a colour like any other", Style{}.with_bg(Named::Red), Style{}.with_bg(Reset{}),
       Reset{}, Reset{}, Reset{}, Modifier::None},
      {"modifiers add up", Style{}.with_add(Modifier::Bold), Style{}.with_add(Modifier::Italic),
       Reset{}, Reset{}, Reset{}, Modifier::Bold | Modifier::Italic},
      {"removed modifiers are cleared", Style{}.with_add(Modifier::Bold | Modifier::Reversed),
       Style{}.with_sub(Modifier::Bold), Reset{}, Reset{}, Reset{}, Modifier::Reversed},
      {"added wins over removed in one style", Style{}.with_add(Modifier::Bold),
       both_ways(Modifier::Italic, Modifier::Italic | Modifier::Bold), Reset{}, Reset{}, Reset{},
       Modifier::Italic},
  };
  for (const StyleCase& c : cases) {
    SCOPED_TRACE(c.name);
    Cell cell;
    cell.set_style(c.first);
    cell.set_style(c.second);
    EXPECT_EQ(cell.fg, c.fg);
    EXPECT_EQ(cell.bg, c.bg);
    EXPECT_EQ(cell.underline, c.underline);
    EXPECT_EQ(cell.modifiers, c.modifiers);
    // Laying two styles one after the other is laying their patch.
    Cell patched;
    patched.set_style(patch(c.first, c.second));
    EXPECT_EQ(patched, cell);
  }
}

TEST(Buffer, SetStyleCoversOnlyTheRectangleInsideTheArea) {
  Buffer buffer({0, 0, 4, 3});
  buffer.set_string(0, 1, "abcd", Style{}.with_fg(Named::Green));
  buffer.set_style({2, 1, 10, 10}, Style{}.with_bg(Named::Blue).with_add(Modifier::Bold));
  for (std::uint16_t y = 0; y < 3; ++y) {
    for (std::uint16_t x = 0; x < 4; ++x) {
      SCOPED_TRACE(testing::Message() << "cell (" << x << ", " << y << ")");
      const bool inside = x >= 2 && y >= 1;
      EXPECT_EQ(buffer.at(x, y).bg, inside ? Color{Named::Blue} : Color{Reset{}});
      EXPECT_EQ(contains(buffer.at(x, y).modifiers, Modifier::Bold), inside);
      EXPECT_EQ(buffer.at(x, y).fg, y == 1 ? Color{Named::Green} : Color{Reset{}});
    }
  }
  EXPECT_EQ(buffer_rows(buffer)[1], "abcd");
}

TEST(Buffer, TextIsPatchedOverTheCellStyle) {
  Buffer buffer({0, 0, 3, 1});
  buffer.set_style(buffer.area(), Style{}.with_bg(Named::Blue).with_add(Modifier::Bold));
  buffer.set_string(0, 0, "ab", Style{}.with_fg(Named::Red).with_sub(Modifier::Bold));
  EXPECT_EQ(buffer.at(0, 0).bg, Color{Named::Blue});
  EXPECT_EQ(buffer.at(0, 0).fg, Color{Named::Red});
  EXPECT_EQ(buffer.at(0, 0).modifiers, Modifier::None);
  EXPECT_EQ(buffer.at(2, 0).modifiers, Modifier::Bold);
}

TEST(Buffer, LinesLayTheirStyleUnderEachSpan) {
  Buffer buffer({0, 0, 6, 1});
  const Line line(
      {Span("ab", Style{}.with_fg(Named::Blue)), Span("cd", Style{}.with_sub(Modifier::Bold))},
      Style{}.with_fg(Named::Red).with_add(Modifier::Bold));
  const Position end = buffer.set_line(1, 0, line, 99);
  EXPECT_EQ(end, (Position{5, 0}));
  EXPECT_EQ(buffer_rows(buffer)[0], " abcd ");
  EXPECT_EQ(buffer.at(1, 0).fg, Color{Named::Blue});
  EXPECT_EQ(buffer.at(1, 0).modifiers, Modifier::Bold);
  EXPECT_EQ(buffer.at(3, 0).fg, Color{Named::Red});
  EXPECT_EQ(buffer.at(3, 0).modifiers, Modifier::None);
  // The line style reaches only the cells its spans cover.
  EXPECT_EQ(buffer.at(0, 0), Cell{});
  EXPECT_EQ(buffer.at(5, 0), Cell{});
}

TEST(Buffer, LineStopsAtItsMaxWidthAndAtAWideCharacterThatDoesNotFit) {
  Buffer buffer = filled({0, 0, 6, 1}, ".");
  const Line line({Span("ab"), Span("c\u4E2D"), Span("d")});
  EXPECT_EQ(buffer.set_line(0, 0, line, 4), (Position{3, 0}));
  EXPECT_EQ(buffer_rows(buffer)[0], "abc...");
  EXPECT_EQ(buffer.set_line(0, 0, line, 99), (Position{6, 0}));
  EXPECT_EQ(buffer_rows(buffer)[0], "abc\u4E2Dd");
}

TEST(Buffer, ResizeBlanksEveryCell) {
  Buffer buffer = filled({0, 0, 3, 1}, "x");
  buffer.resize({0, 0, 2, 2});
  EXPECT_EQ(buffer.area(), (Rect{0, 0, 2, 2}));
  EXPECT_EQ(buffer_rows(buffer), (std::vector<std::string>{"  ", "  "}));
}

}  // namespace
}  // namespace orvane::tui

#include "transcript/wrap.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixture.hpp"

namespace orvane::transcript {
namespace {

std::vector<std::string> wrapped(const std::vector<tui::Span>& spans, std::size_t width) {
  std::vector<std::string> rows;
  for (const Row& row : wrap(spans, width)) rows.push_back(row_text(row));
  return rows;
}

struct WrapCase {
  const char* name;
  std::vector<tui::Span> spans;
  std::size_t width;
  std::vector<std::string> rows;
};

TEST(Wrap, Rows) {
  const tui::Style bold = tui::Style().with_add(tui::Modifier::Bold);
  const WrapCase cases[] = {
      {"break at the space, which is dropped", {tui::Span("hello world")}, 5, {"hello", "world"}},
      {"fits exactly", {tui::Span("hello world")}, 11, {"hello world"}},
      {"word moved to the next row", {tui::Span("hello world")}, 8, {"hello", "world"}},
      {"long word cut", {tui::Span("abcdefghijkl")}, 5, {"abcde", "fghij", "kl"}},
      {"fitting space kept, overflowing space dropped", {tui::Span("ab  cd")}, 3, {"ab ", "cd"}},
      {"row ending in whitespace is kept whole",
       {tui::Span("ab \u754C\u754C")},
       4,
       {"ab ", "\u754C\u754C"}},
      {"break after the last space", {tui::Span("a bcdef")}, 4, {"a", "bcde", "f"}},
      {"wide character alone on a row", {tui::Span("\u754C\u754C")}, 1, {"\u754C", "\u754C"}},
      {"wide space on an empty row", {tui::Span("\u3000a")}, 1, {"\u3000", "a"}},
      {"width 0 is width 1", {tui::Span("ab")}, 0, {"a", "b"}},
      {"no spans", {}, 10, {""}},
      {"empty text", {tui::Span("")}, 10, {""}},
      {"line feed is whitespace", {tui::Span("hello\nworld")}, 8, {"hello", "world"}},
      {"line feed inside a row", {tui::Span("ab\ncd")}, 10, {"ab\ncd"}},
      {"word after a zero-width break still too wide", {tui::Span("\nabcd")}, 3, {"", "abc", "d"}},
      {"span boundary is no break", {tui::Span("foo", bold), tui::Span("bar")}, 4, {"foob", "ar"}},
      {"spans share a row", {tui::Span("foo", bold), tui::Span(" bar")}, 10, {"foo bar"}},
      {"combining mark stays with its letter",
       {tui::Span("e\u0301e\u0301e\u0301")},
       2,
       {"e\u0301e\u0301", "e\u0301"}},
  };
  for (const auto& c : cases) EXPECT_EQ(wrapped(c.spans, c.width), c.rows) << c.name;
}

TEST(Wrap, CellsKeepStyleWidthAndSpaceFlag) {
  const tui::Style bold = tui::Style().with_add(tui::Modifier::Bold);
  const std::vector<Row> rows = wrap({tui::Span("fo", bold), tui::Span(" \u754C")}, 10);
  ASSERT_EQ(rows.size(), 1u);
  const Row& row = rows[0];
  ASSERT_EQ(row.size(), 4u);
  EXPECT_EQ(row[0].style, bold);
  EXPECT_EQ(row[1].style, bold);
  EXPECT_EQ(row[2].style, tui::Style());
  EXPECT_TRUE(row[2].space);
  EXPECT_FALSE(row[3].space);
  EXPECT_EQ(row[0].width, 1u);
  EXPECT_EQ(row[3].width, 2u);
}

TEST(Wrap, NoRowIsWiderThanTheWidthUnlessOneGraphemeIs) {
  const std::string text =
      "The quick  brown\tfox \u754C\u754C jumps over\u00A0the lazy dog, "
      "averyveryverylongwordindeed and \u3000 more.";
  for (std::size_t width = 1; width <= 30; ++width) {
    for (const Row& row : wrap({tui::Span(text)}, width)) {
      std::size_t used = 0;
      for (const Cell& cell : row) used += cell.width;
      EXPECT_TRUE(used <= width || row.size() == 1) << "width " << width << ": " << row_text(row);
    }
  }
}

}  // namespace
}  // namespace orvane::transcript

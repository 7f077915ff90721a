// Lines that fit skip the wrapper; whatever path a line takes, it must come out as
// `line` makes it of the wrapper's rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixture.hpp"
#include "transcript/indented.hpp"
#include "transcript/layouts.hpp"
#include "transcript/line.hpp"
#include "transcript/wrap.hpp"

namespace orvane::transcript {
namespace {

const render::Palette kPalette = role_palette();

std::vector<TranscriptLine> through_wrapper(const std::vector<tui::Span>& spans,
                                            std::size_t columns,
                                            const std::vector<tui::Span>& first,
                                            const std::vector<tui::Span>& rest,
                                            const RowStyle& style) {
  std::vector<TranscriptLine> out;
  std::vector<Row> rows = wrap(spans, columns);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    out.push_back(
        {line(i == 0 ? first : rest, std::move(rows[i]), style.fill, style.width, style.base),
         bridge::JsonValue{"7"}});
  }
  return out;
}

TEST(AppendWrapped, MatchesTheWrapperAtEveryWidth) {
  const tui::Style bold = tui::Style().with_add(tui::Modifier::Bold);
  const tui::Style red = tui::Style().with_fg(kPalette.error);
  const std::vector<std::vector<tui::Span>> inputs = {
      {},
      {tui::Span("")},
      {tui::Span("hello world")},
      {tui::Span("foo", bold), tui::Span("bar"), tui::Span("", red), tui::Span("baz")},
      // Equal styles on both sides of an empty span merge into one span.
      {tui::Span("ab", red), tui::Span(""), tui::Span("cd", red)},
      {tui::Span("e\u0301te\u0301 na\u00EFve"), tui::Span(" \u65E5\u672C\u8A9E", bold)},
      {tui::Span("tab\there\r\nand\x1b[31m escape")},
      {tui::Span("   "), tui::Span("x  ", bold), tui::Span("  ")},
      {tui::Span("\U0001F1E9\U0001F1EA flag \U0001F469\u200D\U0001F4BB coder")},
  };
  const std::vector<tui::Span> first{tui::Span("    "), tui::Span("\u2022 ", red)};
  const std::vector<tui::Span> rest{tui::Span("    "), tui::Span("  ", bold)};
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    for (const bool fill : {false, true}) {
      const RowStyle style{tui::Style().with_bg(kPalette.surface), fill, 24};
      for (std::size_t columns = 0; columns <= 30; ++columns) {
        std::vector<TranscriptLine> out;
        append_wrapped(out, inputs[i], columns, first, rest, style, bridge::JsonValue{"7"});
        const auto expected = through_wrapper(inputs[i], columns, first, rest, style);
        EXPECT_EQ(styled(out), styled(expected))
            << "input " << i << ", fill " << fill << ", columns " << columns;
        EXPECT_EQ(clicks(out), clicks(expected)) << "input " << i;
      }
    }
  }
}

TEST(AppendIndented, MatchesIndented) {
  const std::vector<tui::Span> spans{tui::Span("one two ", tui::Style().with_fg(kPalette.muted)),
                                     tui::Span("three"), tui::Span(" four five six")};
  for (std::size_t width = 3; width <= 40; ++width) {
    std::vector<TranscriptLine> fast;
    append_indented(fast, spans, 2, width, bridge::JsonValue{"1"});
    std::vector<TranscriptLine> plain;
    indented(plain, spans, 2, width, bridge::JsonValue{"1"});
    EXPECT_EQ(styled(fast), styled(plain)) << "width " << width;
    EXPECT_EQ(clicks(fast), clicks(plain)) << "width " << width;
  }
}

}  // namespace
}  // namespace orvane::transcript

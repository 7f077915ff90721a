#include "transcript/line.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixture.hpp"
#include "transcript/wrap.hpp"

namespace orvane::transcript {
namespace {

const render::Palette kPalette = role_palette();

Row cells(const std::vector<tui::Span>& spans) {
  return wrap(spans, 1000)[0];
}

TEST(Line, MergesCellsOfEqualStyle) {
  const tui::Style bold = tui::Style().with_add(tui::Modifier::Bold);
  const tui::Line l = line({}, cells({tui::Span("foo", bold), tui::Span("bar")}), false, 0, {});
  EXPECT_EQ(l.spans.size(), 2u);
  EXPECT_EQ(styled(l), "[bold]foo[]bar");
}

TEST(Line, StylesAreLaidOverTheBase) {
  const tui::Style base =
      tui::Style().with_fg(kPalette.text).with_bg(kPalette.surface).with_add(tui::Modifier::Bold);
  const tui::Line l = line(
      {tui::Span("> ")},
      cells({tui::Span("a"), tui::Span("b", tui::Style().with_fg(kPalette.text)),
             tui::Span("c", tui::Style().with_fg(kPalette.blue).with_add(tui::Modifier::Italic)),
             tui::Span("d", tui::Style().with_sub(tui::Modifier::Bold))}),
      false, 0, base);
  // "a" and "b" differ as cells but not once laid over the base, so they merge.
  EXPECT_EQ(styled(l),
            "> [bold fg=text bg=surface]ab[][bold italic fg=blue bg=surface]c[]"
            "[-bold fg=text bg=surface]d[]");
}

struct FillCase {
  const char* name;
  std::vector<tui::Span> prefix;
  std::string text;
  bool fill;
  std::size_t width;
  std::string expected;
};

TEST(Line, Fill) {
  const tui::Style base = tui::Style().with_bg(kPalette.surface);
  const FillCase cases[] = {
      {"short row filled in the base style",
       {tui::Span("> ")},
       "abcd",
       true,
       10,
       "> [bg=surface]abcd[][bg=surface]    []"},
      {"prefix width counts wide characters",
       {tui::Span("\u754C")},
       "ab",
       true,
       6,
       "\u754C[bg=surface]ab[][bg=surface]  []"},
      {"exactly full", {tui::Span("> ")}, "abcdefgh", true, 10, "> [bg=surface]abcdefgh[]"},
      {"overfull", {tui::Span("> ")}, "abcdefghij", true, 10, "> [bg=surface]abcdefghij[]"},
      {"no fill without the flag", {tui::Span("> ")}, "abcd", false, 10, "> [bg=surface]abcd[]"},
      {"empty row filled whole", {}, "", true, 3, "[bg=surface]   []"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(styled(line(c.prefix, cells({tui::Span(c.text)}), c.fill, c.width, base)), c.expected)
        << c.name;
  }
}

}  // namespace
}  // namespace orvane::transcript

#include "render/selection.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/decorate.hpp"
#include "support/line_text.hpp"

namespace orvane::render {
namespace {

const tui::Style kBlue = tui::Style{}.with_fg(tui::Named::Blue);

TEST(Highlight, ReversesTheGraphemesOverlappingTheRange) {
  // "ab" in blue, then "c宽d" plain: 宽 covers columns 3-4.
  const tui::Line line({tui::Span("ab", kBlue), tui::Span("c\u5bbdd")});
  struct Case {
    const char* name;
    std::size_t start, end;
    std::string expected;
  };
  const Case cases[] = {
      {"inside one span", 0, 1, "[reversed fg=named:blue]a[][fg=named:blue]b[]c\u5bbdd"},
      {"across spans", 1, 3, "[fg=named:blue]a[][reversed fg=named:blue]b[][reversed]c[]\u5bbdd"},
      {"the second half of a wide character takes it whole", 4, 5, "[fg=named:blue]ab[]c[reversed]\u5bbd[]d"},
      {"to the end of the line", 3, kLineEnd, "[fg=named:blue]ab[]c[reversed]\u5bbdd[]"},
      {"an empty range", 2, 2, "[fg=named:blue]ab[]c\u5bbdd"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(test::line_text(highlight(line, c.start, c.end)), c.expected) << c.name;
  }
}

TEST(Highlight, TakesReverseOutOfRemovedModifiers) {
  const tui::Line line({tui::Span("x", tui::Style{}.with_sub(tui::Modifier::Reversed))});
  EXPECT_EQ(test::line_text(highlight(line, 0, 1)), "[reversed]x[]");
}

Cache cache_of(const std::vector<std::string>& texts) {
  Cache cache;
  for (const std::string& text : texts) cache.lines.push(tui::Line({tui::Span(text)}));
  return cache;
}

TEST(SelectedText, TakesTheRangeLineByLineWithoutTrailingBlanks) {
  Cache cache = cache_of({"zero", "one", "line two   ", "line three", "line four"});
  struct Case {
    const char* name;
    Selection selection;
    std::string expected;
  };
  const Case cases[] = {
      {"dragged down", {{2, 5}, {4, 3}}, "two\nline three\nlin"},
      {"dragged up", {{4, 3}, {2, 5}}, "two\nline three\nlin"},
      {"a point", {{1, 2}, {1, 2}}, ""},
      {"past the last line", {{7, 0}, {9, 4}}, ""},
      {"ending past the last line", {{3, 5}, {9, 4}}, "three\nline four"},
      {"a blank stretch", {{2, 8}, {2, 11}}, ""},
  };
  for (const Case& c : cases) {
    cache.selection = c.selection;
    EXPECT_EQ(selected_text(cache), c.expected) << c.name;
  }
  cache.selection.reset();
  EXPECT_EQ(selected_text(cache), "");
}

TEST(SelectionDrawing, ReversedUnderTheFocusColour) {
  Cache cache = cache_of({"first", "second", "third"});
  cache.selection = Selection{{2, 2}, {1, 3}};
  cache.focus_range = Target{2, 2};
  const Palette palette = Palette::make(false);
  const std::vector<tui::Line> lines = visible_lines(cache, 1, 2, palette);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(test::line_text(lines[0]), "sec[reversed]ond[]");
  EXPECT_EQ(test::line_text(lines[1], test::color_names(palette)),
            "{bg=focus}[reversed bg=focus]th[][bg=focus]ird[]");
}

}  // namespace
}  // namespace orvane::render

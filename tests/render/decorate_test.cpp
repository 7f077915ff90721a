#include "render/decorate.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "render/spinner.hpp"
#include "support/line_text.hpp"

namespace orvane::render {
namespace {

const std::string kSpin = "\xEE\x80\x80";

tui::Style fg(tui::Named color) {
  return tui::Style().with_fg(color);
}

struct SpinnerCase {
  std::uint64_t tick;
  std::string frame;
};

class Spinner : public testing::TestWithParam<SpinnerCase> {};

TEST_P(Spinner, ReplacesEveryPlaceholderWithTheFrameOfTheTick) {
  const tui::Line line({tui::Span(kSpin + " run " + kSpin, fg(tui::Named::Blue)),
                        tui::Span("plain"), tui::Span(kSpin, fg(tui::Named::Red))},
                       fg(tui::Named::Gray));
  const std::string& f = GetParam().frame;
  const tui::Line expected({tui::Span(f + " run " + f, fg(tui::Named::Blue)), tui::Span("plain"),
                            tui::Span(f, fg(tui::Named::Red))},
                           fg(tui::Named::Gray));
  EXPECT_EQ(test::line_text(with_spinner(line, GetParam().tick)), test::line_text(expected));
}

INSTANTIATE_TEST_SUITE_P(Ticks, Spinner,
                         testing::Values(SpinnerCase{0, "⠋"}, SpinnerCase{3, "⠸"},
                                         SpinnerCase{9, "⠏"}, SpinnerCase{10, "⠋"},
                                         SpinnerCase{UINT64_MAX, "⠴"}));

TEST(Spinner, LineWithoutPlaceholderIsUnchanged) {
  const tui::Line line({tui::Span("⠋ done \xEE\x80", fg(tui::Named::Green))});
  EXPECT_EQ(with_spinner(line, 4), line);
}

TEST(Focus, SetsTheBackgroundAndKeepsTheRest) {
  const tui::Color focus = tui::rgb(1, 2, 3);
  const tui::Line line(
      {tui::Span("a", tui::Style().with_fg(tui::Named::Red).with_add(tui::Modifier::Bold)),
       tui::Span("b", tui::Style().with_bg(tui::Named::Blue).with_sub(tui::Modifier::Italic)),
       tui::Span("c")},
      tui::Style().with_underline(tui::Named::Cyan));
  const tui::Line expected(
      {tui::Span(
           "a", tui::Style().with_fg(tui::Named::Red).with_bg(focus).with_add(tui::Modifier::Bold)),
       tui::Span("b", tui::Style().with_bg(focus).with_sub(tui::Modifier::Italic)),
       tui::Span("c", tui::Style().with_bg(focus))},
      tui::Style().with_underline(tui::Named::Cyan).with_bg(focus));
  EXPECT_EQ(test::line_text(with_focus(line, focus)), test::line_text(expected));
}

class VisibleLines : public testing::Test {
 protected:
  VisibleLines() {
    std::vector<tui::Line> lines;
    for (int i = 0; i < 6; ++i)
      lines.push_back(tui::Line({tui::Span("line " + std::to_string(i))}));
    lines[4] = tui::Line({tui::Span(kSpin + " busy")});
    cache.lines = Indexed<tui::Line>::from(std::move(lines));
  }

  std::vector<std::string> shown(std::size_t top, std::size_t count) const {
    std::vector<std::string> out;
    for (const tui::Line& line : visible_lines(cache, top, count, palette)) {
      out.push_back(test::line_text(line, names));
    }
    return out;
  }

  Cache cache;
  const Palette palette = Palette::make(false);
  const test::ColorNames names = test::color_names(palette);
};

TEST_F(VisibleLines, ShowsTheWindowClippedToTheTranscript) {
  EXPECT_EQ(shown(1, 2), (std::vector<std::string>{"line 1", "line 2"}));
  EXPECT_EQ(shown(4, 10), (std::vector<std::string>{"⠋ busy", "line 5"}));
  EXPECT_EQ(shown(6, 3), std::vector<std::string>{});
  EXPECT_EQ(shown(9, SIZE_MAX), std::vector<std::string>{});
  EXPECT_EQ(shown(5, SIZE_MAX), std::vector<std::string>{"line 5"});
}

TEST_F(VisibleLines, TurnsSpinnersWithTheSlowTick) {
  cache.slow_tick = 13;
  cache.fast_tick = 1;
  EXPECT_EQ(shown(4, 1), std::vector<std::string>{"⠸ busy"});
}

TEST_F(VisibleLines, PutsTheFocusedTargetOnTheFocusColour) {
  cache.focus_range = Target{2, 4};
  cache.slow_tick = 1;
  EXPECT_EQ(shown(1, 5), (std::vector<std::string>{"line 1", "{bg=focus}[bg=focus]line 2[]",
                                                   "{bg=focus}[bg=focus]line 3[]",
                                                   "{bg=focus}[bg=focus]⠙ busy[]", "line 5"}));
}

}  // namespace
}  // namespace orvane::render

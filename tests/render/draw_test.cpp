#include "render/draw.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "support/line_text.hpp"

namespace orvane::render {
namespace {

using Rows = std::vector<std::string>;

const Palette kPalette = Palette::make(false);
const std::string kThumb = "\u2590";

// Plain transcript lines "L0", "L1", … one row each.
std::vector<std::string> numbered(std::size_t count) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < count; ++i) lines.push_back("L" + std::to_string(i));
  return lines;
}

class DrawTest : public testing::Test {
 protected:
  void draw(std::uint16_t width, std::uint16_t height) {
    buffer = tui::Buffer({0, 0, width, height});
    tui::Frame frame{buffer, buffer.area(), {}};
    regions = render::draw(frame, snapshot,
                           View{.composer = composer,
                                .form = form,
                                .answer = answer,
                                .panel_filter = "",
                                .transcript_offset = offset,
                                .follow = follow},
                           cache);
  }

  // The rows of the frame inside `area`.
  Rows rows_in(tui::Rect area) const {
    Rows out;
    for (std::uint16_t y = area.y; y < area.bottom(); ++y) {
      std::string row;
      for (std::uint16_t x = area.x; x < area.right(); ++x) {
        if (!buffer.at(x, y).skip) row += buffer.at(x, y).shown();
      }
      out.push_back(std::move(row));
    }
    return out;
  }

  std::string colors_at(std::uint16_t x, std::uint16_t y) const {
    const test::ColorNames names = test::color_names(kPalette);
    const tui::Cell& cell = buffer.at(x, y);
    return "fg=" + test::color_text(cell.fg, names) + " bg=" + test::color_text(cell.bg, names);
  }

  void type(const std::string& text) {
    composer.text = text;
    composer.cursor = text.size();
  }

  bridge::Snapshot snapshot;
  editor::Editor composer, form, answer;
  std::size_t offset = 0;
  bool follow = true;
  Cache cache;
  tui::Buffer buffer;
  Regions regions;
};

struct ScrollCase {
  std::string name;
  std::size_t lines;
  std::string agent_page;
  bool follow;
  std::size_t offset;
  // What the 20-row transcript shows: lines from `top` on, blank rows below the last one,
  // and the scrollbar thumb over rows [thumb_begin, thumb_end) (no scrollbar when empty).
  std::size_t top;
  std::size_t max_top;
  std::size_t bottom_space;
  std::uint16_t thumb_begin, thumb_end;
};

class TranscriptScroll : public DrawTest, public testing::WithParamInterface<ScrollCase> {};

// A 16-column screen whose transcript is 20 rows tall: 30 rows less the top bar (3 rows,
// 2 on a sub-agent page) and the composer (7 rows, 3 on a sub-agent page).
TEST_P(TranscriptScroll, ShowsTheWindowAndTheScrollbar) {
  const ScrollCase& c = GetParam();
  snapshot.lines = numbered(c.lines);
  snapshot.agent_page = c.agent_page;
  follow = c.follow;
  offset = c.offset;
  draw(16, c.agent_page.empty() ? 30 : 25);
  ASSERT_EQ(regions.transcript.height, 20u);
  EXPECT_EQ(cache.max_top, c.max_top);
  EXPECT_EQ(cache.bottom_space, c.bottom_space);

  Rows want;
  for (std::uint16_t row = 0; row < 20; ++row) {
    std::string text = c.top + row < c.lines ? "L" + std::to_string(c.top + row) : "";
    text.resize(15, ' ');
    const bool thumb = row >= c.thumb_begin && row < c.thumb_end;
    want.push_back(text + (thumb ? kThumb : " "));
  }
  EXPECT_EQ(rows_in(regions.transcript), want);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TranscriptScroll,
    testing::Values(
        ScrollCase{"followed_shows_the_end", 40, "", true, 0, 20, 20, 0, 10, 20},
        ScrollCase{"offset_past_the_end_is_clamped", 40, "", false, 100, 20, 20, 0, 10, 20},
        ScrollCase{"scrolled_up", 40, "", false, 5, 5, 20, 0, 3, 13},
        ScrollCase{"offset_ignored_while_following", 40, "", true, 5, 20, 20, 0, 10, 20},
        ScrollCase{"exactly_full_has_no_scrollbar", 20, "", true, 0, 0, 0, 0, 0, 0},
        ScrollCase{"one_line_more_scrolls", 21, "", false, 0, 0, 1, 0, 0, 20},
        ScrollCase{"short_transcript_starts_at_the_top", 5, "", true, 0, 0, 0, 0, 0, 0},
        // 30 % of 20 rows stay blank under the last line of a sub-agent page.
        ScrollCase{"sub_agent_page_keeps_bottom_space", 40, "task", true, 0, 26, 26, 6, 11, 20},
        ScrollCase{"sub_agent_page_scrolled_up", 40, "task", false, 3, 3, 26, 6, 1, 10},
        // 15 lines fit in 20 rows, but not with 6 rows of bottom space.
        ScrollCase{"bottom_space_alone_makes_it_scroll", 15, "task", true, 0, 1, 1, 6, 0, 20}),
    [](const testing::TestParamInfo<ScrollCase>& info) { return info.param.name; });

TEST_F(DrawTest, ScrollbarColours) {
  snapshot.lines = numbered(40);
  draw(16, 30);
  const std::uint16_t x = 15;
  EXPECT_EQ(colors_at(x, regions.transcript.y), "fg=text bg=background") << "track";
  EXPECT_EQ(colors_at(x, regions.transcript.y + 19), "fg=border bg=background") << "thumb";
}

TEST_F(DrawTest, NarrowTranscriptGetsNoScrollbar) {
  snapshot.lines = numbered(40);
  for (std::uint16_t width : {1, 2, 3}) {
    draw(width, 30);
    const Rows rows = rows_in(regions.transcript);
    const bool bar = std::any_of(rows.begin(), rows.end(), [](const std::string& row) {
      return row.find(kThumb) != std::string::npos;
    });
    EXPECT_EQ(bar, width >= 3) << width << " columns";
  }
}

struct HeightCase {
  std::string name;
  std::size_t text_lines;
  std::size_t queued;
  std::uint16_t screen_height;
  std::uint16_t composer_height;
};

class ComposerHeights : public DrawTest, public testing::WithParamInterface<HeightCase> {};

// The composer grows with its text and queue and the transcript gives up the rows. Every
// case has text enough to fill the box, so the last text line (with the cursor) sits
// right above the control row.
TEST_P(ComposerHeights, GrowsAndShrinksTheTranscript) {
  const HeightCase& c = GetParam();
  std::string text;
  for (std::size_t i = 1; i <= c.text_lines; ++i) text += (i > 1 ? "\nline " : "line ") + std::to_string(i);
  type(text);
  snapshot.queue_lines.assign(c.queued, "queued");
  snapshot.lines = numbered(100);
  draw(40, c.screen_height);

  EXPECT_EQ(regions.composer.height, c.composer_height);
  EXPECT_EQ(regions.composer.bottom(), c.screen_height);
  EXPECT_EQ(regions.transcript.bottom(), regions.composer.y);
  const Rows transcript = rows_in(regions.transcript);
  ASSERT_FALSE(transcript.empty());
  EXPECT_EQ(transcript.back().substr(0, 3), "L99");

  // On the shortest composers the activity bar is what gives way, not the text box.
  const Rows composer_rows = rows_in(regions.composer);
  const std::string last_line = "\u2502  line " + std::to_string(c.text_lines) + "\u258F";
  const auto at = std::find_if(composer_rows.begin(), composer_rows.end(),
                               [&](const std::string& row) { return row.find(last_line) != std::string::npos; });
  ASSERT_NE(at, composer_rows.end()) << testing::PrintToString(composer_rows);
  ASSERT_NE(at + 1, composer_rows.end());
  EXPECT_NE(at[1].find("unavailable"), std::string::npos) << at[1];
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComposerHeights,
    testing::Values(
        // Three text rows at least, plus the box, control row, activity bar and a blank
        // queue row.
        HeightCase{"three_lines", 3, 0, 30, 7},
        HeightCase{"five_lines", 5, 0, 30, 9},
        HeightCase{"five_lines_two_queued", 5, 2, 30, 11},
        HeightCase{"queue_counts_at_most_four", 3, 6, 30, 11},
        // 22 text rows at most, and never more than the screen less 7 rows.
        HeightCase{"tall_text_is_capped", 30, 0, 40, 26},
        HeightCase{"tall_text_leaves_seven_rows", 30, 0, 30, 23},
        HeightCase{"short_screen_keeps_six_rows", 3, 0, 10, 6}),
    [](const testing::TestParamInfo<HeightCase>& info) { return info.param.name; });

// Hint blocks go blank on screen while the composer holds text, and keep their rows.
TEST_F(DrawTest, TypingBlanksTheHintsOnScreen) {
  bridge::Content note;
  note.id = "n";
  note.kind = "note";
  note.text = "a note";
  bridge::Content hints;
  hints.id = "h";
  hints.kind = "hints";
  hints.text = "Enter\tSend\nEsc\tCancel";
  snapshot.blocks = {note, hints};
  const auto shows = [](const Rows& rows, const std::string& text) {
    return std::any_of(rows.begin(), rows.end(),
                       [&](const std::string& row) { return row.find(text) != std::string::npos; });
  };

  draw(60, 30);
  const Rows untyped = rows_in(regions.transcript);
  ASSERT_TRUE(shows(untyped, "Send"));
  const std::size_t lines = cache.lines.len;

  type("x");
  draw(60, 30);
  const Rows typed = rows_in(regions.transcript);
  EXPECT_FALSE(shows(typed, "Send"));
  EXPECT_FALSE(shows(typed, "Cancel"));
  EXPECT_TRUE(shows(typed, "a note"));
  EXPECT_EQ(cache.lines.len, lines);

  type("");
  draw(60, 30);
  EXPECT_EQ(rows_in(regions.transcript), untyped);
}

// The loop resets the cache on a resize; the next frame lays the blocks out at the new
// width.
TEST_F(DrawTest, ResizeLaysOutAtTheNewWidth) {
  bridge::Content note;
  note.id = "n";
  note.kind = "note";
  note.text = "one two three four five six seven eight nine ten";
  snapshot.blocks = {note};
  draw(80, 20);
  EXPECT_EQ(cache.lines.len, 1u);
  cache.reset();
  draw(20, 20);
  EXPECT_EQ(cache.built_blocks, 1u);
  EXPECT_GT(cache.lines.len, 1u);
  const Rows rows = rows_in(regions.transcript);
  EXPECT_EQ(std::count_if(rows.begin(), rows.end(),
                          [](const std::string& row) { return row.find_first_not_of(' ') != std::string::npos; }),
            static_cast<std::ptrdiff_t>(cache.lines.len));
}

}  // namespace
}  // namespace orvane::render

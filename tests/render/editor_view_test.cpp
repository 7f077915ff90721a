#include "render/editor_view.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/line_text.hpp"

namespace orvane::render {
namespace {

const Palette kPalette = Palette::make(false);

std::vector<std::string> styled_rows(const std::vector<tui::Line>& lines) {
  const test::ColorNames names = test::color_names(kPalette);
  std::vector<std::string> out;
  for (const tui::Line& line : lines) out.push_back(test::line_text(line, names));
  return out;
}

std::vector<std::string> plain_rows(const std::vector<tui::Line>& lines) {
  std::vector<std::string> out;
  for (const tui::Line& line : lines) out.push_back(test::plain_text(line));
  return out;
}

editor::Editor editor_with(std::string text, std::size_t cursor,
                           std::optional<std::size_t> anchor = {}) {
  editor::Editor editor;
  editor.text = std::move(text);
  editor.cursor = cursor;
  editor.anchor = anchor;
  return editor;
}

using Rows = std::vector<std::string>;

struct ViewCase {
  std::string name;
  editor::Editor editor;
  bool secret;
  std::uint16_t width, height;
  Rows want;  // styled
};

class EditorViewTest : public testing::TestWithParam<ViewCase> {};

TEST_P(EditorViewTest, Rows) {
  const ViewCase& c = GetParam();
  EXPECT_EQ(styled_rows(editor_view(c.editor, c.secret, kPalette, c.width, c.height)), c.want);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, EditorViewTest,
    testing::Values(
        ViewCase{"empty_shows_the_cursor_alone", editor_with("", 0), false, 10, 3,
                 {"[fg=accent]\u258F[]"}},
        ViewCase{"cursor_inside", editor_with("ab", 1), false, 10, 3,
                 {"[fg=text]a[][fg=accent]\u258F[][fg=text]b[]"}},
        ViewCase{"cursor_glyph_fits_the_last_column", editor_with("abcdefghi", 9), false, 10, 3,
                 {"[fg=text]abcdefghi[][fg=accent]\u258F[]"}},
        ViewCase{"cursor_glyph_takes_a_column", editor_with("abcdefghij", 10), false, 10, 3,
                 {"[fg=text]abcdefghij[]", "[fg=accent]\u258F[]"}},
        ViewCase{"line_feeds_start_rows", editor_with("a\n\nb", 0), false, 10, 5,
                 {"[fg=accent]\u258F[][fg=text]a[]", "", "[fg=text]b[]"}},
        ViewCase{"cursor_at_an_empty_line_end", editor_with("a\n", 2), false, 10, 5,
                 {"[fg=text]a[]", "[fg=accent]\u258F[]"}},
        ViewCase{"selection_in_reverse_accent", editor_with("abcd", 3, 1), false, 10, 3,
                 {"[fg=text]a[][fg=background bg=accent]bc[][fg=accent]\u258F[][fg=text]d[]"}},
        ViewCase{"anchor_on_the_cursor_selects_nothing", editor_with("ab", 1, 1), false, 10, 3,
                 {"[fg=text]a[][fg=accent]\u258F[][fg=text]b[]"}},
        ViewCase{"secret_hides_every_grapheme", editor_with("pa\u0301ss", 4, 0), true, 10, 3,
                 {"[fg=background bg=accent]\u2022\u2022[][fg=accent]\u258F[][fg=text]\u2022\u2022[]"}},
        ViewCase{"secret_keeps_line_breaks", editor_with("ab\ncd", 5), true, 10, 3,
                 {"[fg=text]\u2022\u2022[]", "[fg=text]\u2022\u2022[][fg=accent]\u258F[]"}},
        ViewCase{"tab_shows_escaped", editor_with("a\tb", 3), false, 10, 3,
                 {"[fg=text]a\\tb[][fg=accent]\u258F[]"}},
        ViewCase{"escape_sequence_cannot_reach_the_terminal", editor_with("\x1b[2J\r\x7f", 0), false, 20, 3,
                 {"[fg=accent]\u258F[][fg=text]\\u{1b}[2J\\r\\u{7f}[]"}},
        ViewCase{"escapes_wrap_whole", editor_with("abcd\t", 0), false, 5, 3,
                 {"[fg=accent]\u258F[][fg=text]abcd[]", "[fg=text]\\t[]"}},
        ViewCase{"wide_graphemes_stand_alone_when_wider_than_the_row", editor_with("\u65E5\u672C", 6), false, 1, 5,
                 {"[fg=text]\u65E5[]", "[fg=text]\u672C[]", "[fg=accent]\u258F[]"}},
        ViewCase{"width_0_counts_as_1", editor_with("ab", 2), false, 0, 5,
                 {"[fg=text]a[]", "[fg=text]b[]", "[fg=accent]\u258F[]"}},
        ViewCase{"wide_grapheme_moves_to_the_next_row", editor_with("abc\u65E5", 0), false, 4, 5,
                 {"[fg=accent]\u258F[][fg=text]abc[]", "[fg=text]\u65E5[]"}},
        ViewCase{"height_0_shows_nothing", editor_with("ab", 2), false, 10, 0, {}}),
    [](const auto& info) { return info.param.name; });
// clang-format on

std::string numbered_lines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += (i ? "\nrow" : "row") + std::to_string(i);
  return text;
}

TEST(EditorView, ScrollsSoTheCursorRowIsLastOnceTheTextIsTaller) {
  const std::string text = numbered_lines(30);
  const Rows tail = {"row24", "row25", "row26", "row27", "row28", "row29\u258F"};
  EXPECT_EQ(plain_rows(editor_view(editor_with(text, text.size()), false, kPalette, 20, 6)), tail);

  const std::size_t row2 = text.find("row2");
  const Rows head = {"row0", "row1", "\u258Frow2", "row3", "row4", "row5"};
  EXPECT_EQ(plain_rows(editor_view(editor_with(text, row2), false, kPalette, 20, 6)), head);

  const std::size_t row8 = text.find("row8");
  const Rows middle = {"row3", "row4", "row5", "row6", "row7", "\u258Frow8"};
  EXPECT_EQ(plain_rows(editor_view(editor_with(text, row8), false, kPalette, 20, 6)), middle);
}

TEST(EditorView, ScrollFollowsWrappedRowsNotLines) {
  // One long line of 25 letters at width 10: rows of 10, 10 and 5 plus the cursor.
  const std::string text(25, 'x');
  const Rows want = {"xxxxxxxxxx", "xxxxx\u258F"};
  EXPECT_EQ(plain_rows(editor_view(editor_with(text, 25), false, kPalette, 10, 2)), want);
}

TEST(EditorView, TypedCursorGlyphIsNotTheCursor) {
  // A "▏" typed into the first line must not keep the view at the top.
  const std::string text = "\u258F\nb\nc\nd";
  const Rows want = {"c", "d\u258F"};
  EXPECT_EQ(plain_rows(editor_view(editor_with(text, text.size()), false, kPalette, 10, 2)), want);
}

}  // namespace
}  // namespace orvane::render

#include "render/cache.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "support/line_text.hpp"

namespace orvane::render {
namespace {

const Palette kPalette = Palette::make(false);

std::vector<std::string> shown(const Cache& cache) {
  const test::ColorNames names = test::color_names(kPalette);
  std::vector<std::string> out;
  for (std::size_t i = 0; i < cache.lines.len; ++i) {
    out.push_back(test::line_text(*cache.lines.get(i), names));
  }
  return out;
}

std::vector<std::string> plain(const Cache& cache) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < cache.lines.len; ++i) {
    out.push_back(test::plain_text(*cache.lines.get(i)));
  }
  return out;
}

struct WrapCase {
  std::string name;
  std::vector<std::string> lines;
  std::uint16_t width;
  std::vector<std::string> rows;
};

void PrintTo(const WrapCase& c, std::ostream* out) {
  *out << c.name;
}

class PlainWrap : public testing::TestWithParam<WrapCase> {};

TEST_P(PlainWrap, CutsRowsAtTheColumnLimit) {
  Cache cache;
  cache.update(GetParam().lines, GetParam().width, kPalette);
  EXPECT_EQ(plain(cache), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlainWrap,
    testing::Values(
        WrapCase{"hard_wrap_without_word_breaks", {"abcdefghij"}, 4, {"abcd", "efgh", "ij"}},
        WrapCase{"spaces_are_not_break_points", {"ab cd ef"}, 4, {"ab c", "d ef"}},
        WrapCase{"width_0_gives_each_grapheme_a_row", {"abc"}, 0, {"a", "b", "c"}},
        WrapCase{"wide_characters_never_straddle", {"日本語"}, 5, {"日本", "語"}},
        WrapCase{"wide_character_wider_than_the_row", {"日x"}, 1, {"日", "x"}},
        WrapCase{"grapheme_clusters_stay_whole",
                 {"e\u0301e\u0301e\u0301"},
                 2,
                 {"e\u0301e\u0301", "e\u0301"}},
        WrapCase{"line_breaks_split_and_carriage_returns_go",
                 {"one\r\ntwo\n\nthree\r"},
                 10,
                 {"one", "two", "", "three"}},
        WrapCase{"no_line_after_a_final_break", {"a\n", "b"}, 10, {"a", "b"}},
        WrapCase{"empty_string_adds_nothing", {"", "x"}, 10, {"x"}},
        WrapCase{"lone_break_is_one_empty_row", {"\n"}, 10, {""}}),
    [](const testing::TestParamInfo<WrapCase>& info) { return info.param.name; });

struct StyleCase {
  std::string line;
  std::string shown;
};

class PlainStyle : public testing::TestWithParam<StyleCase> {};

TEST_P(PlainStyle, FollowsTheLeadingText) {
  Cache cache;
  cache.update({GetParam().line}, 40, kPalette);
  EXPECT_EQ(shown(cache), std::vector<std::string>{GetParam().shown});
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PlainStyle,
    testing::Values(StyleCase{"+added", "{fg=named:green}+added"},
                    StyleCase{"-removed", "{fg=named:red}-removed"},
                    StyleCase{"# Title", "{bold fg=accent}# Title"},
                    StyleCase{"Turn 3", "{bold fg=accent}Turn 3"},
                    StyleCase{"assistant: hi", "{bold fg=accent}assistant: hi"},
                    StyleCase{"Turnover", "{fg=text}Turnover"},
                    StyleCase{" +indented", "{fg=text} +indented"}, StyleCase{"\n", "{fg=text}"}));

TEST(PlainUpdate, ContinuationRowsKeepTheStyleOfTheirLine) {
  Cache cache;
  cache.update({"+abcdef", "plain"}, 4, kPalette);
  EXPECT_EQ(shown(cache), (std::vector<std::string>{"{fg=named:green}+abc", "{fg=named:green}def",
                                                    "{fg=text}plai", "{fg=text}n"}));
}

TEST(PlainUpdate, SameLinesAndWidthDoNothing) {
  Cache cache;
  cache.update({"abc", "def"}, 10, kPalette);
  const auto first_row = cache.lines.parts[0];
  cache.update({"abc", "def"}, 10, kPalette);
  EXPECT_EQ(cache.lines.parts[0], first_row);

  cache.update({"abc", "def"}, 2, kPalette);
  EXPECT_EQ(plain(cache), (std::vector<std::string>{"ab", "c", "de", "f"}));
  cache.update({"abc"}, 2, kPalette);
  EXPECT_EQ(plain(cache), (std::vector<std::string>{"ab", "c"}));
}

TEST(PlainUpdate, PlainLinesCarryNoClickValues) {
  Cache cache;
  cache.actions = Indexed<std::optional<bridge::JsonValue>>::from({bridge::JsonValue{"1"}});
  cache.update({"abc"}, 10, kPalette);
  EXPECT_EQ(cache.actions.len, 0u);
}

TEST(Reset, RedoesPlainLinesAtTheSameWidth) {
  Cache cache;
  cache.update({"# Title"}, 10, kPalette);
  cache.reset();
  cache.update({"# Title"}, 10, Palette::make(true));
  const test::ColorNames light = test::color_names(Palette::make(true));
  EXPECT_EQ(test::line_text(*cache.lines.get(0), light), "{bold fg=accent}# Title");
}

}  // namespace
}  // namespace orvane::render

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixture.hpp"
#include "transcript/build.hpp"

namespace orvane::transcript {
namespace {

const render::Palette kPalette = role_palette();
const bridge::JsonValue kClick{R"({"open":"answer"})"};

using Lines = std::vector<std::string>;

std::vector<TranscriptLine> answer(std::string text, std::uint16_t width) {
  bridge::Content block;
  block.kind = "markdown";
  block.text = std::move(text);
  block.operation = kClick;
  return build(block, width, kPalette);
}

std::string surface(std::size_t spaces) {
  return "[bg=surface]" + std::string(spaces, ' ') + "[]";
}

TEST(Markdown, ParagraphsUnderFourSpacesWithClickableBlankLines) {
  const auto out = answer("Hello *world*\n\nsecond", 40);
  EXPECT_EQ(styled(out), (Lines{"    Hello [italic]world[]", "", "    second"}));
  EXPECT_EQ(clicks(out), Lines(3, kClick.text));
  EXPECT_TRUE(answer("", 40).empty());
}

TEST(Markdown, CodeRowsFillTheRowWidth) {
  const auto out = answer("```sh extra\nls -la\n```", 40);
  // Row width 38: four spaces, the code gutter, the text, then surface to the end.
  EXPECT_EQ(styled(out), (Lines{
                             "    " + surface(1) + "[fg=faint bg=surface]sh[]" + surface(31),
                             "    " + surface(1) + "[fg=text bg=surface]ls -la[]" + surface(27),
                         }));
  for (const TranscriptLine& l : out) EXPECT_EQ(test::line_width(l.line), 38u);
}

TEST(Markdown, LongCodeLinesWrapAndStayOnTheBand) {
  const auto out = answer("```\n" + std::string(40, 'x') + "\n```", 20);
  // Row width 18, the gutter takes one column: the code wraps at 18 − 5 = 13.
  ASSERT_EQ(out.size(), 4u);
  EXPECT_EQ(styled(out[0].line),
            "    " + surface(1) + "[fg=text bg=surface]" + std::string(13, 'x') + "[]");
  EXPECT_EQ(styled(out[3].line), "    " + surface(1) + "[fg=text bg=surface]x[]" + surface(12));
  for (const TranscriptLine& l : out) EXPECT_EQ(test::line_width(l.line), 18u);
}

TEST(Markdown, ListContinuationHangsUnderTheItemText) {
  const auto out = answer("- alpha beta gamma delta epsilon zeta eta theta", 30);
  // Row width 28, marker 2: the item wraps at 28 − 6 = 22.
  EXPECT_EQ(styled(out), (Lines{"    [fg=faint]\u2022 []alpha beta gamma delta",
                                "      epsilon zeta eta theta"}));
}

TEST(Markdown, QuoteContinuationKeepsTheBackground) {
  const auto out = answer("> alpha beta gamma delta epsilon", 20);
  EXPECT_EQ(styled(out),
            (Lines{
                "    [fg=accent bg=surface]\u258C [][bg=surface]alpha beta[]" + surface(2),
                "    " + surface(2) + "[bg=surface]gamma delta []",
                "    " + surface(2) + "[bg=surface]epsilon[]" + surface(5),
            }));
  for (const TranscriptLine& l : out) EXPECT_EQ(test::line_width(l.line), 18u);
}

TEST(Markdown, TableRowsAreNotFilled) {
  const auto out = answer("| a | bb |\n|---|---|\n| ccc | d |", 40);
  EXPECT_EQ(styled(out), (Lines{"    [bold]a   \u2502 bb[]",
                                "    [fg=faint]\u2500\u2500\u2500\u2500\u253C\u2500\u2500\u2500[]",
                                "    ccc \u2502 d "}));
}

}  // namespace
}  // namespace orvane::transcript

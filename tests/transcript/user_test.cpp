#include "transcript/user.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixture.hpp"

namespace orvane::transcript {
namespace {

const render::Palette kPalette = role_palette();

std::vector<TranscriptLine> bubble(const bridge::Content& block, std::size_t width) {
  std::vector<TranscriptLine> out;
  user(out, block, width, kPalette);
  return out;
}

bridge::Content message(std::string title, std::string text = "", std::uint32_t number = 0) {
  bridge::Content block;
  block.kind = "user";
  block.title = std::move(title);
  block.text = std::move(text);
  block.number = number;
  return block;
}

std::string fill(std::size_t n) {
  return "[fg=text bg=surface]" + std::string(n, ' ') + "[]";
}

const std::string kMargin = "[bg=background]  []";
const std::string kBar = "[fg=blue bg=surface]\u2502[][fg=text bg=surface] []";

TEST(User, WholeBubble) {
  bridge::Content block = message("Fix the build", "line one\r\n\nsecond\n", 12);
  block.chips = {"a.txt", "img.png"};
  block.operation = bridge::JsonValue{R"({"message":12})"};
  block.chip_operation = bridge::JsonValue{R"({"chips":12})"};
  const auto out = bubble(block, 40);
  // Width 40: text width 34, title width 34 − (5 + 1) = 28, so the number follows column 32.
  EXPECT_EQ(
      styled(out),
      (std::vector<std::string>{
          kMargin + "[fg=blue bg=surface]\u25BE [][fg=text bg=surface]Fix the build[]" + fill(15) +
              fill(1) + "[fg=muted bg=surface] #12 []" + fill(2),
          kMargin + kBar + "[fg=text bg=surface]line one[]" + fill(28),
          kMargin + kBar + fill(36),
          kMargin + kBar + "[fg=text bg=surface]second[]" + fill(30),
          kMargin + kBar + fill(36),
          kMargin + kBar + fill(3) + "[bold fg=blue bg=focus] \u25A3 a.txt []" +
              "[fg=text bg=surface]  []" + "[bold fg=blue bg=focus] \u25A3 img.png []" + fill(11),
          kMargin + kBar + fill(3) + "[fg=faint bg=surface]Click to inspect attached context[]",
      }));
  EXPECT_EQ(clicks(out),
            (std::vector<std::string>{R"({"message":12})", R"({"message":12})", R"({"message":12})",
                                      R"({"message":12})", R"({"chips":12})", R"({"chips":12})",
                                      R"({"chips":12})"}));
}

TEST(User, NumberSitsTwoColumnsBeforeTheRightEdge) {
  // Width 40, number 7: the title wraps at max(8, 34 − 5) = 29 columns.
  const auto out = bubble(message(std::string(29, 'x') + " y", "", 7), 40);
  ASSERT_EQ(out.size(), 2u);
  const std::string first = test::plain_text(out[0].line);
  EXPECT_EQ(first, "  \u25BE " + std::string(29, 'x') + "  #7   ");
  EXPECT_EQ(test::line_width(out[0].line), 40u);
  EXPECT_EQ(test::plain_text(out[1].line), "  \u2502 y" + std::string(35, ' '));

  const auto short_title = bubble(message("a", "", 7), 40);
  EXPECT_EQ(test::plain_text(short_title[0].line), "  \u25BE a" + std::string(28, ' ') + "  #7   ");
}

struct ShapeCase {
  const char* name;
  bridge::Content block;
  std::size_t width;
  std::vector<std::string> rows;
};

TEST(User, Shapes) {
  bridge::Content collapsed = message("t", "x");
  collapsed.collapsed = true;
  const ShapeCase cases[] = {
      {"no number: first row filled straight to the width",
       message("title"),
       12,
       {"  \u25BE title   "}},
      {"collapsed changes only the marker",
       collapsed,
       12,
       {"  \u25B8 t       ", "  \u2502 x       "}},
      {"empty title keeps its marker row",
       message("", "x"),
       12,
       {"  \u25BE " + std::string(8, ' '), "  \u2502 x       "}},
      {"text wraps at width − 6",
       message("t", "abcdef gh"),
       12,
       {"  \u25BE t       ", "  \u2502 abcdef  ", "  \u2502 gh      "}},
      {"narrow with a number: title still wraps at 8",
       message("abcdefghij", "", 3),
       8,
       {"  \u25BE abcdefgh  #3 ", "  \u2502 ij  "}},
  };
  for (const auto& c : cases) EXPECT_EQ(plain(bubble(c.block, c.width)), c.rows) << c.name;
}

TEST(User, AttachmentRowsFallBackToTheMessageClick) {
  bridge::Content block = message("t");
  block.chips = {"a"};
  block.operation = bridge::JsonValue{"1"};
  EXPECT_EQ(clicks(bubble(block, 40)), (std::vector<std::string>{"1", "1", "1", "1"}));
}

TEST(User, EveryRowIsTheFullWidth) {
  bridge::Content block = message("Please look at the failing test in the parser module",
                                  "It fails on\n\nempty input and on a lone brace.", 42);
  block.chips = {"a", "b", "c"};
  for (std::size_t width = 20; width <= 80; ++width) {
    const auto out = bubble(block, width);
    // The hint row is left out: it is wrapped at the text width behind a three-column indent.
    for (std::size_t i = 0; i + 1 < out.size(); ++i) {
      EXPECT_EQ(test::line_width(out[i].line), width) << "width " << width << ", row " << i;
    }
  }
}

}  // namespace
}  // namespace orvane::transcript

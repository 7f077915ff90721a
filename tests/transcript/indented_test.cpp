#include "transcript/indented.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixture.hpp"

namespace orvane::transcript {
namespace {

TEST(Indented, WrapsInsideTheIndentAndRightMargin) {
  const render::Palette p = role_palette();
  std::vector<TranscriptLine> out;
  out.push_back({tui::Line(), std::nullopt});  // lines are appended, not replaced
  // Indent 2 at width 20 leaves 16 columns.
  indented(out,
           {tui::Span("0123456789 ", tui::Style().with_fg(p.muted)),
            tui::Span("abcd efghijklmnopqrstu", tui::Style().with_fg(p.accent))},
           2, 20, bridge::JsonValue{R"({"open":1})"});
  EXPECT_EQ(styled(out), (std::vector<std::string>{
                             "",
                             "  [fg=muted]0123456789 [][fg=accent]abcd []",
                             "  [fg=accent]efghijklmnopqrst[]",
                             "  [fg=accent]u[]",
                         }));
  EXPECT_EQ(clicks(out),
            (std::vector<std::string>{"-", R"({"open":1})", R"({"open":1})", R"({"open":1})"}));
}

TEST(Indented, AbsentValueLeavesLinesInert) {
  std::vector<TranscriptLine> out;
  indented(out, {tui::Span("one two three")}, 4, 11, std::nullopt);
  EXPECT_EQ(plain(out), (std::vector<std::string>{"    one", "    two", "    three"}));
  EXPECT_EQ(clicks(out), (std::vector<std::string>{"-", "-", "-"}));
}

TEST(Indented, NoSpansGiveOneIndentOnlyLine) {
  std::vector<TranscriptLine> out;
  indented(out, {}, 2, 20, std::nullopt);
  EXPECT_EQ(plain(out), std::vector<std::string>{"  "});
}

}  // namespace
}  // namespace orvane::transcript

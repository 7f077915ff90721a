#include "transcript/build.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixture.hpp"

namespace orvane::transcript {
namespace {

const render::Palette kPalette = role_palette();
const bridge::JsonValue kClick{R"({"open":"b1"})"};

bridge::Content block_of(std::string kind, std::string title, std::string text) {
  bridge::Content block;
  block.kind = std::move(kind);
  block.title = std::move(title);
  block.text = std::move(text);
  block.operation = kClick;
  return block;
}

std::vector<std::string> built(const bridge::Content& block, std::uint16_t width) {
  return styled(build(block, width, kPalette));
}

using Lines = std::vector<std::string>;

TEST(Build, GapLinesComeFirstAndAreInertForEveryKind) {
  const char* const kinds[] = {"user",    "diff",    "tool",           "tool_group",  "thought",
                               "agent",   "context", "context_header", "collapsed",   "markdown",
                               "summary", "hints",   "error",          "no_such_kind"};
  for (const char* kind : kinds) {
    bridge::Content block = block_of(kind, "Title", "some text\tmore");
    block.members = {block_of("tool", "m", "member")};
    const auto without = build(block, 40, kPalette);
    block.gap = 2;
    const auto with = build(block, 40, kPalette);
    ASSERT_EQ(with.size(), without.size() + 2) << kind;
    for (int i = 0; i < 2; ++i) {
      EXPECT_TRUE(with[i].line.spans.empty()) << kind;
      EXPECT_FALSE(with[i].click) << kind;
    }
    EXPECT_EQ(styled(std::vector(with.begin() + 2, with.end())), styled(without)) << kind;
    EXPECT_EQ(clicks(std::vector(with.begin() + 2, with.end())), clicks(without)) << kind;
  }
}

TEST(Build, NarrowWidthsBuildAsEight) {
  const bridge::Content blocks[] = {
      block_of("tool", "", "abcdefghij"),
      block_of("summary", "", "abcdefghij"),
      block_of("error", "", "one two three"),
      block_of("markdown", "", "```\ncode\n```"),
  };
  for (const bridge::Content& block : blocks) {
    const Lines at_eight = built(block, 8);
    EXPECT_EQ(built(block, 0), at_eight) << block.kind;
    EXPECT_EQ(built(block, 5), at_eight) << block.kind;
  }
  EXPECT_EQ(built(blocks[0], 3), Lines{"[fg=faint]  abc\u2026[]"});
}

TEST(Build, KindsAreMatchedExactly) {
  // Anything but the exact names falls back to the generic layout.
  for (const char* kind : {"Tool", "tool ", "", "TOOL_GROUP"}) {
    EXPECT_EQ(built(block_of(kind, "Ran", "ls"), 40),
              (Lines{"  [bold fg=accent]Ran[]", "  [fg=text]ls[]"}))
        << '"' << kind << '"';
  }
}

TEST(Generic, TitleThenEachTextLineWrappedOnItsOwn) {
  const auto out = build(
      block_of("plan", "Heading", "first line\r\n\nsecond line that wraps here\n"), 20, kPalette);
  EXPECT_EQ(styled(out), (Lines{
                             "  [bold fg=accent]Heading[]",
                             "  [fg=text]first line[]",
                             "  ",
                             "  [fg=text]second line that[]",
                             "  [fg=text]wraps here[]",
                         }));
  EXPECT_EQ(clicks(out), Lines(5, kClick.text));
}

TEST(Generic, EmptyTitleAndTextGiveOnlyTheGap) {
  bridge::Content block = block_of("mystery", "", "");
  EXPECT_TRUE(build(block, 40, kPalette).empty());
  block.gap = 1;
  EXPECT_EQ(built(block, 40), Lines{""});
  EXPECT_EQ(built(block_of("mystery", "", "body"), 40), Lines{"  [fg=text]body[]"});
}

TEST(Generic, WithoutOperationLinesAreInert) {
  bridge::Content block = block_of("mystery", "T", "a");
  block.operation.reset();
  EXPECT_EQ(clicks(build(block, 40, kPalette)), (Lines{"-", "-"}));
}

TEST(Error, FlowsAsOneParagraphWithLineBreaksAsSpaces) {
  const auto out =
      build(block_of("error", "ignored", "disk full:\r\nno space\nleft"), 20, kPalette);
  EXPECT_EQ(styled(out), (Lines{"  [fg=error]disk full: no[]", "  [fg=error]space left[]"}));
  EXPECT_EQ(clicks(out), Lines(2, kClick.text));
  EXPECT_EQ(built(block_of("error", "", "a\nb"), 40), Lines{"  [fg=error]a b[]"});
}

TEST(Thought, HeaderThenBlankThenDetail) {
  bridge::Content block = block_of("thought", "Thinking", "3s");
  EXPECT_EQ(built(block, 40),
            Lines{"  [fg=purple]\u25C7[] [italic fg=muted]Thinking[]  [fg=faint]3s[]"});

  block.detail = "step one\nstep two";
  const auto out = build(block, 40, kPalette);
  EXPECT_EQ(styled(out), (Lines{
                             "  [fg=purple]\u25C7[] [italic fg=muted]Thinking[]  [fg=faint]3s[]",
                             "",
                             "  [fg=muted]step one[]",
                             "  [fg=muted]step two[]",
                         }));
  // The blank line belongs to the block: clicking it opens the thought too.
  EXPECT_EQ(clicks(out), Lines(4, kClick.text));
}

TEST(Thought, LongHeaderWrapsUnderTheIndent) {
  EXPECT_EQ(built(block_of("thought", "Planning", "the next step"), 20),
            (Lines{"  [fg=purple]\u25C7[] [italic fg=muted]Planning[]  [fg=faint]the []",
                   "  [fg=faint]next step[]"}));
}

TEST(Agent, TokenColourWithBlueFallbackAndNoText) {
  struct Case {
    const char* color;
    const char* role;
  };
  const Case cases[] = {
      {"$ov-success", "success"}, {"", "blue"}, {"$ov-nope", "blue"}, {"#0000fe", "#0000fe"}};
  for (const Case& c : cases) {
    bridge::Content block = block_of("agent", "Build", "not shown");
    block.color = c.color;
    const std::string fg = std::string("fg=") + c.role;
    EXPECT_EQ(built(block, 40), Lines{"  [" + fg + "]\u25C6[] [bold " + fg + "]Build[]"})
        << c.color;
  }
}

TEST(ContextBadge, BadgeStatusAndIndentedText) {
  bridge::Content block = block_of("context", "Files", "a.txt\nb.txt");
  block.status = "2 attached";
  const auto out = build(block, 40, kPalette);
  EXPECT_EQ(styled(out), (Lines{
                             "  [bold fg=background bg=#8a8a8a] Files [][fg=faint] 2 attached[]",
                             "    [fg=muted]a.txt[]",
                             "    [fg=muted]b.txt[]",
                         }));
  EXPECT_EQ(clicks(out), Lines(3, kClick.text));

  block.status.clear();
  block.text.clear();
  block.color = "$ov-cyan";
  EXPECT_EQ(built(block, 40), Lines{"  [bold fg=background bg=cyan] Files []"});
}

bridge::Content usage(std::string title, std::string status, std::string color) {
  bridge::Content member = block_of("", std::move(title), "");
  member.status = std::move(status);
  member.color = std::move(color);
  member.operation = bridge::JsonValue{"1"};
  return member;
}

TEST(ContextStrip, MembersFlowTogetherUnderFourSpaces) {
  bridge::Content block = block_of("context_header", "ignored", "ignored");
  block.members = {usage("System", "1.2k tokens", "$ov-accent"), usage("Tools", "800 tokens", "")};
  EXPECT_EQ(built(block, 80),
            Lines{"    [fg=accent]\u258C[][fg=muted]System 1.2k   [][fg=blue]\u258C[]"
                  "[fg=muted]Tools 800   []"});

  // At 20 columns the strip wraps at 16, breaking after the first member's spaces.
  const auto out = build(block, 20, kPalette);
  EXPECT_EQ(styled(out), (Lines{"    [fg=accent]\u258C[][fg=muted]System 1.2k[]",
                                "    [fg=blue]\u258C[][fg=muted]Tools 800   []"}));
  // The strip clicks as a whole, whatever its members say.
  EXPECT_EQ(clicks(out), Lines(2, kClick.text));
}

TEST(ContextStrip, EveryTokensWordIsRemoved) {
  bridge::Content block = block_of("context_header", "", "");
  block.members = {usage("Msgs", "5 tokens / 10 tokens (tokens)", "#zzzzzz")};
  EXPECT_EQ(built(block, 80), Lines{"    [fg=blue]\u258C[][fg=muted]Msgs 5 / 10 (tokens)   []"});
}

TEST(Collapsed, TitleAndTextFlowAsOneParagraphAtFour) {
  EXPECT_EQ(built(block_of("collapsed", "Earlier", "12 messages"), 40),
            Lines{"    [fg=muted]Earlier[]  [fg=faint]12 messages[]"});
  EXPECT_EQ(built(block_of("collapsed", "Earlier\nwork", "12 older\nmessages"), 20),
            (Lines{"    [fg=muted]Earlier work[]  ", "    [fg=faint]12 older[]",
                   "    [fg=faint]messages[]"}));
}

TEST(Summary, EndsTwoColumnsBeforeTheEdge) {
  struct Case {
    std::uint16_t width;
    const char* text;
    std::string expected;
  };
  const Case cases[] = {
      {30, "Done in 3s", std::string(18, ' ') + "Done in 3s"},
      {12, "abcdefghij", "  abcdefg\u2026"},
      {8, "", std::string(6, ' ')},
  };
  for (const Case& c : cases) {
    const auto out = build(block_of("summary", "", c.text), c.width, kPalette);
    EXPECT_EQ(styled(out), Lines{"[fg=faint]" + c.expected + "[]"}) << c.text;
    EXPECT_EQ(test::line_width(out[0].line), c.width - 2u) << c.text;
    EXPECT_EQ(clicks(out), Lines{kClick.text});
  }
}

TEST(Hints, CentredKeyAndDescriptionWithoutClicks) {
  const auto out = build(block_of("hints", "", "Enter\tSend\nno key here\n" + std::string(50, 'x')),
                         40, kPalette);
  EXPECT_EQ(styled(out), (Lines{
                             std::string(14, ' ') + "[bold fg=muted]Enter[]  [fg=faint]Send[]",
                             std::string(13, ' ') + "[bold fg=muted][]  [fg=faint]no key here[]",
                             "[bold fg=muted][]  [fg=faint]" + std::string(50, 'x') + "[]",
                         }));
  EXPECT_EQ(clicks(out), Lines(3, "-"));
  // Only the first tab splits.
  EXPECT_EQ(built(block_of("hints", "", "a\tb\tc"), 11),
            Lines{"   [bold fg=muted]a[]  [fg=faint]b\tc[]"});
}

}  // namespace
}  // namespace orvane::transcript

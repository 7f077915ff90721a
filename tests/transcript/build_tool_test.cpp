#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixture.hpp"
#include "transcript/build.hpp"

namespace orvane::transcript {
namespace {

const render::Palette kPalette = role_palette();
const bridge::JsonValue kGroupClick{R"({"open":"group"})"};
const bridge::JsonValue kMemberClick{R"({"open":"member"})"};
const bridge::JsonValue kOutputClick{R"({"open":"output"})"};

using Lines = std::vector<std::string>;

const std::string kGutter = "[fg=rule]  \u2502 []";
const std::string kSpinner = "\xEE\x80\x80";

bridge::Content tool(std::string text) {
  bridge::Content block;
  block.kind = "tool";
  block.text = std::move(text);
  block.operation = kGroupClick;
  return block;
}

bridge::Content group(std::string text, std::uint64_t count = 0) {
  bridge::Content block;
  block.kind = "tool_group";
  block.text = std::move(text);
  block.count = count;
  block.operation = kGroupClick;
  return block;
}

bridge::Content member(std::string title, std::string text, std::string detail = "") {
  bridge::Content block;
  block.kind = "tool";
  block.title = std::move(title);
  block.text = std::move(text);
  block.detail = std::move(detail);
  block.operation = kMemberClick;
  return block;
}

TEST(ToolLines, PrefixColourAndCut) {
  struct Case {
    const char* name;
    const char* glyph;
    const char* status;
    Lines expected;
  };
  const Case cases[] = {
      {"no glyph", "", "done", {"[fg=faint]  ls -la[]", "[fg=faint]  abcdefg\u2026[]"}},
      {"batch top",
       "\u250C",
       "",
       {"[fg=faint] \u250Cls -la[]", "[fg=faint] \u250Cabcdefg\u2026[]"}},
      {"batch middle",
       "\u2502",
       "",
       {"[fg=faint] \u2502ls -la[]", "[fg=faint] \u2502abcdefg\u2026[]"}},
      {"batch bottom",
       "\u2514",
       "",
       {"[fg=faint] \u2514ls -la[]", "[fg=faint] \u2514abcdefg\u2026[]"}},
      {"other glyph", "\u251C", "", {"[fg=faint]  ls -la[]", "[fg=faint]  abcdefg\u2026[]"}},
      {"failed", "", "failed", {"[fg=error]  ls -la[]", "[fg=error]  abcdefg\u2026[]"}},
      {"status is exact", "", "Failed", {"[fg=faint]  ls -la[]", "[fg=faint]  abcdefg\u2026[]"}},
  };
  for (const Case& c : cases) {
    bridge::Content block = tool("ls -la\r\nabcdefghijkl\n");
    block.batch_glyph = c.glyph;
    block.status = c.status;
    // Width 12: lines are cut to 8 columns, never wrapped.
    const auto out = build(block, 12, kPalette);
    EXPECT_EQ(styled(out), c.expected) << c.name;
    EXPECT_EQ(clicks(out), Lines(2, kGroupClick.text)) << c.name;
  }
  EXPECT_TRUE(build(tool(""), 40, kPalette).empty());
}

TEST(ToolGroup, SummaryLine) {
  struct Case {
    const char* name;
    std::uint64_t count;
    std::uint64_t failures;
    const char* status;
    const char* color;
    std::string expected;
  };
  const Case cases[] = {
      {"done", 5, 0, "done", "",
       "[fg=success]\u2713[][fg=muted] 5[] [fg=text]Ran tools[][fg=error][]"},
      {"count capped at 99", 150, 0, "", "",
       "[fg=success]\u2713[][fg=muted]99[] [fg=text]Ran tools[][fg=error][]"},
      {"single tool shows no count", 1, 0, "", "",
       "[fg=success]\u2713[][fg=muted]  [] [fg=text]Ran tools[][fg=error][]"},
      {"running spins in the token colour", 2, 0, "running", "$ov-purple",
       "[fg=purple]" + kSpinner + "[][fg=muted] 2[] [fg=text]Ran tools[][fg=error][]"},
      {"running falls back to blue", 2, 0, "running", "bogus",
       "[fg=blue]" + kSpinner + "[][fg=muted] 2[] [fg=text]Ran tools[][fg=error][]"},
      {"failures win over running", 4, 3, "running", "$ov-purple",
       "[fg=error]\u2717[][fg=muted] 4[] [fg=text]Ran tools[][fg=error] \u00B7 3 failed[]"},
      {"failure count is not capped", 2, 1234, "", "",
       "[fg=error]\u2717[][fg=muted] 2[] [fg=text]Ran tools[][fg=error] \u00B7 1234 failed[]"},
  };
  for (const Case& c : cases) {
    bridge::Content block = group("Ran tools", c.count);
    block.failures = c.failures;
    block.status = c.status;
    block.color = c.color;
    const auto out = build(block, 40, kPalette);
    EXPECT_EQ(styled(out), Lines{c.expected}) << c.name;
    EXPECT_EQ(clicks(out), Lines{kGroupClick.text}) << c.name;
  }
}

TEST(ToolGroup, SummaryTextMakesRoomForTheFailures) {
  bridge::Content block = group("abcdefghijklmnopqrstuvwxyz", 2);
  const auto fits = build(block, 20, kPalette);
  EXPECT_EQ(test::plain_text(fits[0].line), "\u2713 2 abcdefghijklmno\u2026");
  EXPECT_EQ(test::line_width(fits[0].line), 20u);

  // " · 3 failed" takes 11 columns, leaving 5 for the text.
  block.failures = 3;
  const auto failed = build(block, 20, kPalette);
  EXPECT_EQ(test::plain_text(failed[0].line), "\u2717 2 abcd\u2026 \u00B7 3 failed");
  EXPECT_EQ(test::line_width(failed[0].line), 20u);
}

TEST(ToolGroup, MembersWithOutputAndClicks) {
  bridge::Content block = group("Ran 3 tools", 3);
  block.detail = "the group's own detail is not shown";
  bridge::Content read = member("Read", "src/main.rs", "  lines: 120\nfn main() {}");
  read.output_operation = kOutputClick;
  bridge::Content bash = member("Bash", "cargo test", "ok");
  bash.status = "failed";
  bash.batch_glyph = "\u2502";
  bridge::Content search = member("WebSearch", "rust wrap");
  block.members = {read, bash, search};

  const auto out = build(block, 40, kPalette);
  EXPECT_EQ(styled(out),
            (Lines{
                "[fg=success]\u2713[][fg=muted] 3[] [fg=text]Ran 3 tools[][fg=error][]",
                "[fg=muted]  \u25B8 [][fg=muted]Read     src/main.rs[]",
                kGutter + "[fg=muted]lines       [][fg=text]120[]",
                kGutter + "[fg=muted]fn main() {}[]",
                "[fg=muted]  \u2225 [][fg=error]Bash     cargo test[]",
                kGutter + "[fg=muted]ok[]",
                // A title of 8 or more columns is not cut.
                "[fg=muted]  \u25B8 [][fg=muted]WebSearch rust wrap[]",
            }));
  EXPECT_EQ(clicks(out),
            (Lines{kGroupClick.text, kMemberClick.text, kOutputClick.text, kOutputClick.text,
                   kMemberClick.text, kMemberClick.text, kMemberClick.text}));
}

TEST(ToolGroup, MemberLabelIsCutNotWrapped) {
  bridge::Content block = group("g");
  block.members = {member("Edit", "a/very/long/path/to/a/file.rs")};
  const auto out = build(block, 20, kPalette);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(styled(out[1].line), "[fg=muted]  \u25B8 [][fg=muted]Edit     a/very\u2026[]");
}

TEST(ToolGroup, NestedMembersAreBuiltAsBlocks) {
  bridge::Content nested = member("ignored", "cargo build");
  nested.gap = 1;
  nested.kind = "tool";
  bridge::Content inner_group = group("Sub-agent", 2);
  inner_group.members = {member("Grep", "TODO")};
  bridge::Content task = member("Task", "explore", "done");
  task.members = {nested, inner_group};
  bridge::Content block = group("Ran tools", 1);
  block.members = {task};

  const auto out = build(block, 40, kPalette);
  EXPECT_EQ(styled(out), (Lines{
                             "[fg=success]\u2713[][fg=muted]  [] [fg=text]Ran tools[][fg=error][]",
                             "[fg=muted]  \u25B8 [][fg=muted]Task     explore[]",
                             kGutter + "[fg=muted]done[]",
                             "",
                             "[fg=faint]  cargo build[]",
                             "[fg=success]\u2713[][fg=muted] 2[] [fg=text]Sub-agent[][fg=error][]",
                             "[fg=muted]  \u25B8 [][fg=muted]Grep     TODO[]",
                         }));
  EXPECT_EQ(clicks(out).at(3), "-");
}

TEST(ToolGroup, OnlyTheRunningGlyphSpins) {
  bridge::Content block = group("Working", 2);
  block.status = "running";
  bridge::Content running = member("Bash", "sleep", "  state: running");
  running.status = "running";
  bridge::Content inner = group("inner");
  inner.status = "done";
  running.members = {inner};
  block.members = {running};

  const auto out = build(block, 40, kPalette);
  ASSERT_GT(out.size(), 2u);
  EXPECT_EQ(out[0].line.spans[0].content, kSpinner);
  for (std::size_t i = 0; i < out.size(); ++i) {
    for (std::size_t s = 0; s < out[i].line.spans.size(); ++s) {
      if (i == 0 && s == 0) continue;
      EXPECT_EQ(out[i].line.spans[s].content.find(kSpinner), std::string::npos)
          << "line " << i << " span " << s;
    }
  }
}

struct OutputCase {
  const char* name;
  std::uint16_t width;
  const char* detail;
  Lines expected;
};

TEST(MemberOutput, KeyValueAndPlainForms) {
  const OutputCase cases[] = {
      {"key and value", 40, "  exit: 0", {kGutter + "[fg=muted]exit        [][fg=text]0[]"}},
      {"four spaces keep the plain form", 40, "    exit: 0", {kGutter + "[fg=text]  exit: 0[]"}},
      {"three spaces are still a field",
       40,
       "   exit: 0",
       {kGutter + "[fg=muted]exit        [][fg=text]0[]"}},
      {"split at the first colon",
       40,
       "  a: b: c",
       {kGutter + "[fg=muted]a           [][fg=text]b: c[]"}},
      {"colon without a space", 40, "  key:value", {kGutter + "[fg=text]key:value[]"}},
      {"indented without a colon", 40, "  no field here", {kGutter + "[fg=text]no field here[]"}},
      {"one space is plain text", 40, " x: y", {kGutter + "[fg=text] x: y[]"}},
      {"unindented is muted", 40, "x: y", {kGutter + "[fg=muted]x: y[]"}},
      {"empty line is the gutter alone", 40, "", {kGutter}},
      {"empty value", 40, "  key: ", {kGutter + "[fg=muted]key         []"}},
      {"key of exactly 12 stays in its column",
       40,
       "  abcdefghijkl: v",
       {kGutter + "[fg=muted]abcdefghijkl[][fg=text]v[]"}},
      {"wider key takes rows of its own",
       40,
       "  abcdefghijklmnopqrst: v",
       {kGutter + "[fg=muted]abcdefghijkl[]", kGutter + "[fg=muted]mnopqrst[]",
        kGutter + "[fg=muted]            [][fg=text]v[]"}},
      {"value wraps at width less 16, under the key column",
       24,
       "  k: aaaa bbbb cccc",
       {kGutter + "[fg=muted]k           [][fg=text]aaaa[]",
        kGutter + "[fg=muted]            [][fg=text]bbbb[]",
        kGutter + "[fg=muted]            [][fg=text]cccc[]"}},
      {"plain text wraps at width less 4",
       12,
       "abcdefghijkl",
       {kGutter + "[fg=muted]abcdefgh[]", kGutter + "[fg=muted]ijkl[]"}},
      {"narrowest value column is one",
       8,
       "  k: ab",
       {kGutter + "[fg=muted]k           [][fg=text]a[]",
        kGutter + "[fg=muted]            [][fg=text]b[]"}},
  };
  for (const OutputCase& c : cases) {
    bridge::Content block = group("g");
    block.members = {member("T", "t", c.detail)};
    // An empty detail has no lines; an empty line needs a line feed after it.
    if (std::string(c.detail).empty()) block.members[0].detail = "\n";
    auto out = build(block, c.width, kPalette);
    ASSERT_GE(out.size(), 2u) << c.name;
    out.erase(out.begin(), out.begin() + 2);
    EXPECT_EQ(styled(out), c.expected) << c.name;
  }
}

TEST(MemberOutput, KeyColumnCountsColumns) {
  bridge::Content block = group("g");
  block.members = {member("T", "t", "  \u540D\u524D: v")};
  const auto out = build(block, 40, kPalette);
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(styled(out[2].line), kGutter + "[fg=muted]\u540D\u524D        [][fg=text]v[]");
}

}  // namespace
}  // namespace orvane::transcript

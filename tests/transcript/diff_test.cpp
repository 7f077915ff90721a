#include "transcript/diff.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixture.hpp"

namespace orvane::transcript {
namespace {

const render::Palette kPalette = role_palette();

bridge::Content block_of(std::vector<bridge::DiffRow> rows, std::string title = "f") {
  bridge::Content block;
  block.kind = "diff";
  block.title = std::move(title);
  block.diff_rows = std::move(rows);
  return block;
}

// The block's lines after its one-line header.
std::vector<TranscriptLine> body(const bridge::Content& block, std::size_t width) {
  std::vector<TranscriptLine> out;
  diff(out, block, width, kPalette);
  EXPECT_FALSE(out.empty());
  out.erase(out.begin());
  return out;
}

TEST(Diff, HeaderWithoutRows) {
  bridge::Content block = block_of({}, "src/a.rs");
  std::vector<TranscriptLine> out;
  diff(out, block, 40, kPalette);
  EXPECT_EQ(styled(out),
            std::vector<std::string>{"  [fg=muted]src/a.rs ([][bold fg=success]+0[][fg=muted], []"
                                     "[bold fg=error]-0[][fg=muted])[]"});
}

TEST(Diff, HeaderWrapsAtWidthLessFour) {
  bridge::Content block = block_of({}, "a/very/long/path.rs");
  block.added = 3;
  block.removed = 1;
  std::vector<TranscriptLine> out;
  diff(out, block, 20, kPalette);
  EXPECT_EQ(plain(out), (std::vector<std::string>{"  a/very/long/path", "  .rs (+3, -1)"}));
}

struct WidthCase {
  const char* name;
  std::size_t width;
  std::vector<bridge::DiffRow> rows;
  std::string last_gutter;  // left gutter of the last row
  std::size_t row_width;
};

TEST(Diff, GutterAndSideWidths) {
  const WidthCase cases[] = {
      {"w 80, F at its floor of 2: P 34, w − 3", 80, {{7, "a", 7, "a", ""}}, " 7 ", 77},
      {"w 81: P 35, w − 2", 81, {{7, "a", 7, "a", ""}}, " 7 ", 79},
      {"w 8: P held at 4, wider than the pane", 8, {{7, "a", 7, "a", ""}}, " 7 ", 17},
      {"four digits: F 4, P 32", 80, {{1234, "a", 1234, "a", ""}}, "1234 ", 77},
      {"widest number on either side sets every gutter",
       40,
       {{99, "a", 100, "b", ""}, {5, "c", 5, "c", ""}},
       "  5 ",
       2 * 3 + 2 * 13 + 5},
      {"numbers of separator rows count",
       40,
       {{0, "", 12345, "", "sep"}, {1, "a", 1, "a", ""}},
       "    1 ",
       2 * 5 + 2 * 11 + 5},
      {"no numbers: F 2", 40, {{0, "a", 0, "a", ""}}, "   ", 2 * 2 + 2 * 14 + 5},
  };
  for (const auto& c : cases) {
    const auto out = body(block_of(c.rows), c.width);
    ASSERT_FALSE(out.empty()) << c.name;
    const tui::Line& last = out.back().line;
    ASSERT_GT(last.spans.size(), 1u) << c.name;
    EXPECT_EQ(last.spans[1].content, c.last_gutter) << c.name;
    EXPECT_EQ(test::line_width(last), c.row_width) << c.name;
  }
}

struct RowCase {
  const char* name;
  bridge::DiffRow row;
  std::vector<std::string> lines;
};

TEST(Diff, Rows) {
  // Width 20: F 2, P 4.
  const std::string rule = "[fg=border]\u2502[]";
  const RowCase cases[] = {
      {"del: number on the first row only, blank right side without background",
       {12, "aaaa bbbb cccc", 0, "", "del"},
       {"  [fg=faint bg=removed_bg]12 [][fg=text bg=removed_bg]aaaa[]" + rule +
            "[fg=faint]   []    ",
        "  [fg=faint bg=removed_bg]   [][fg=text bg=removed_bg]bbbb[]" + rule +
            "[fg=faint]   []    ",
        "  [fg=faint bg=removed_bg]   [][fg=text bg=removed_bg]cccc[]" + rule +
            "[fg=faint]   []    "}},
      {"add: blank left side, right on the added background",
       {0, "", 5, "x", "add"},
       {"  [fg=faint]   []    " + rule +
        "[fg=faint bg=added_bg] 5 [][fg=text bg=added_bg]x[][bg=added_bg]   []"}},
      {"change: the shorter side is padded in its own background",
       {3, "ab", 3, "cccc dddd eeee", "change"},
       {"  [fg=faint bg=removed_bg] 3 [][fg=text bg=removed_bg]ab[][bg=removed_bg]  []" + rule +
            "[fg=faint bg=added_bg] 3 [][fg=text bg=added_bg]cccc[]",
        "  [fg=faint bg=removed_bg]   [][bg=removed_bg]    []" + rule +
            "[fg=faint bg=added_bg]   [][fg=text bg=added_bg]dddd[]",
        "  [fg=faint bg=removed_bg]   [][bg=removed_bg]    []" + rule +
            "[fg=faint bg=added_bg]   [][fg=text bg=added_bg]eeee[]"}},
      {"context",
       {1, "a", 2, "b", "ctx"},
       {"  [fg=faint] 1 [][fg=muted]a[]   " + rule + "[fg=faint] 2 [][fg=muted]b[]   "}},
      {"kinds match exactly: \"Add\" is context",
       {1, "a", 2, "b", "Add"},
       {"  [fg=faint] 1 [][fg=muted]a[]   " + rule + "[fg=faint] 2 [][fg=muted]b[]   "}},
      {"empty kind is context",
       {1, "a", 2, "b", ""},
       {"  [fg=faint] 1 [][fg=muted]a[]   " + rule + "[fg=faint] 2 [][fg=muted]b[]   "}},
      {"sep ignores the rest of its row", {9, "x", 9, "y", "sep"}, {"[fg=faint]  \u22EF[]"}},
      {"clip is neither wrapped nor cut",
       {3, std::string(40, 'n'), 4, "ignored", "clip"},
       {"[fg=faint]  " + std::string(40, 'n') + "[]"}},
  };
  for (const auto& c : cases) EXPECT_EQ(styled(body(block_of({c.row}), 20)), c.lines) << c.name;
}

TEST(Diff, EveryLineClicksAsTheBlock) {
  bridge::Content block = block_of({{1, "a", 1, "a", ""},
                                    {0, "", 0, "", "sep"},
                                    {0, "note", 0, "", "clip"},
                                    {2, "long enough to wrap", 2, "x", "change"}});
  block.operation = bridge::JsonValue{R"({"file":"a"})"};
  std::vector<TranscriptLine> out;
  diff(out, block, 20, kPalette);
  EXPECT_EQ(out.size(), 1u + 1 + 1 + 1 + 5);
  for (const std::string& click : clicks(out)) EXPECT_EQ(click, R"({"file":"a"})");

  block.operation.reset();
  out.clear();
  diff(out, block, 20, kPalette);
  for (const std::string& click : clicks(out)) EXPECT_EQ(click, "-");
}

}  // namespace
}  // namespace orvane::transcript

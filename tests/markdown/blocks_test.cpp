// Row structure: which rows a construct makes, with their prefixes, without styles.
#include <gtest/gtest.h>

#include "row_text.hpp"

namespace orvane::markdown {
namespace {

using fixture::Case;
using fixture::expect_rows;

TEST(MarkdownBlocks, Paragraphs) {
  expect_rows(
      {
          {"empty text", "", {}},
          {"only blank lines", "\n  \n\n", {}},
          {"soft break is a row break", "one\ntwo", {"|one", "|two"}},
          {"two paragraphs", "one\n\ntwo", {"|one", "~", "|two"}},
          {"no blank at the end", "one\n\n\n", {"|one"}},
          {"hard break with two spaces", "one  \ntwo", {"|one", "|two"}},
          {"hard break with backslash", "one\\\ntwo", {"|one", "|two"}},
          {"leading spaces of a line dropped", "one\n   two", {"|one", "|two"}},
      },
      false);
}

TEST(MarkdownBlocks, Headings) {
  expect_rows(
      {
          {"no hash shown", "# Title\ntext", {"|Title", "~", "|text"}},
          {"closing hashes dropped", "### Three ###", {"|Three"}},
          {"setext", "Title\n=====\n\nbody", {"|Title", "~", "|body"}},
          {"heading after paragraph", "text\n## Sub", {"|text", "~", "|Sub"}},
      },
      false);
}

TEST(MarkdownBlocks, Lists) {
  expect_rows(
      {
          {"bullets", "- one\n- two", {"• |one", "• |two"}},
          {"star bullets", "* one\n* two", {"• |one", "• |two"}},
          {"nested bullets", "- a\n  - b\n    - c\n- d", {"• |a", "   ◦ |b", "      ◦ |c", "• |d"}},
          {"ordered from 3", "3. three\n4. four", {"3. |three", "4. |four"}},
          {"ordered numbers follow the items, not the source",
           "1. a\n1. b\n1. c",
           {"1. |a", "2. |b", "3. |c"}},
          {"paren delimiter shown as a dot", "7) seven", {"7. |seven"}},
          {"ordered inside bullets",
           "- a\n  1. x\n  2. y\n- b",
           {"• |a", "   1. |x", "   2. |y", "• |b"}},
          {"bullets inside ordered", "1. a\n   - x\n2. b", {"1. |a", "   ◦ |x", "2. |b"}},
          {"second line of an item hangs under the text", "- one\n  more", {"• |one", "   |more"}},
          {"second line of a nested item",
           "- a\n  - b\n    more",
           {"• |a", "   ◦ |b", "      |more"}},
          {"loose items are not spaced", "- a\n\n- b", {"• |a", "• |b"}},
          {"second paragraph of an item", "- a\n\n  b\n- c", {"• |a", "   |b", "• |c"}},
          {"empty item keeps its marker", "-\n- b", {"• |", "• |b"}},
          {"list then paragraph", "- a\n- b\n\nafter", {"• |a", "• |b", "~", "|after"}},
          {"paragraph then list", "before\n\n- a", {"|before", "~", "• |a"}},
          {"nested list end does not separate", "- a\n  - b\n- c", {"• |a", "   ◦ |b", "• |c"}},
          {"heading inside an item", "- # Big\n- small", {"• |Big", "~", "• |small"}},
      },
      false);
}

TEST(MarkdownBlocks, TaskLists) {
  expect_rows(
      {
          {"ticked and open", "- [x] done\n- [ ] todo", {"• |[x] done", "• |[ ] todo"}},
          {"capital X", "- [X] done", {"• |[x] done"}},
          {"ordered task", "1. [ ] first", {"1. |[ ] first"}},
          {"box not at the start is text", "- a [x] b", {"• |a [x] b"}},
          {"brackets outside a list are text", "[x] not a task", {"|[x] not a task"}},
      },
      false);
}

TEST(MarkdownBlocks, Quotes) {
  expect_rows(
      {
          {"one level", "> quoted\n> more", {"▌ |quoted @surface", "▌ |more @surface"}},
          {"nested", "> outer\n>> inner", {"▌ |outer @surface", "~", "▌ ▌ |inner @surface"}},
          {"quote then paragraph", "> q\n\nafter", {"▌ |q @surface", "~", "|after"}},
          {"list in a quote", "> - a\n>   - b", {"▌ • |a @surface", "▌    ◦ |b @surface"}},
          {"quote in a list item", "- a\n\n  > q", {"• |a", "▌    |q @surface"}},
      },
      false);
}

TEST(MarkdownBlocks, CodeBlocks) {
  expect_rows(
      {
          {"fenced with a two-word info string",
           "```rust ignore\nlet x = 1;\nlet y;\n```",
           {" |rust @surface", " |let x = 1; @surface", " |let y; @surface"}},
          {"no info, no label", "```\ncode\n```", {" |code @surface"}},
          {"trailing empty lines dropped", "```\na\n\n\n```", {" |a @surface"}},
          {"inner empty lines kept",
           "```\na\n\nb\n```",
           {" |a @surface", " | @surface", " |b @surface"}},
          {"empty block makes one row", "```\n```", {" | @surface"}},
          {"empty block keeps its label", "```sh\n```", {" |sh @surface", " | @surface"}},
          {"tabs become four spaces", "```\n\tx\ty\n```", {" |    x    y @surface"}},
          {"indentation and spaces kept", "```\n  a  \n```", {" |  a   @surface"}},
          {"indented block has no label",
           "    code\n    more",
           {" |code @surface", " |more @surface"}},
          {"markup inside code is text", "```\n# *not* [a](b)\n```", {" |# *not* [a](b) @surface"}},
          {"tilde fence", "~~~py\nx\n~~~", {" |py @surface", " |x @surface"}},
          {"separated from what follows", "```\nx\n```\nafter", {" |x @surface", "~", "|after"}},
          {"inside a list item",
           "- a\n\n  ```\n  x\n  ```\n- b",
           {"• |a", "    |x @surface", "~", "• |b"}},
          {"inside a quote", "> ```\n> x\n> ```", {"▌  |x @surface"}},
      },
      false);
}

TEST(MarkdownBlocks, Tables) {
  expect_rows(
      {
          {"widths from the widest cell",
           "| a | bb |\n|---|---|\n| ccc | d |",
           {"|a   │ bb", "|────┼───", "|ccc │ d "},
           80},
          {"alignment markers ignored",
           "| l | c | r |\n|:--|:-:|--:|\n| 1 | 2 | 3 |",
           {"|l │ c │ r", "|──┼───┼──", "|1 │ 2 │ 3"}},
          {"wide characters measured in columns",
           "| 中文 | a |\n|---|---|\n| b | c |",
           {"|中文 │ a", "|─────┼──", "|b    │ c"}},
          {"short rows padded, long rows cut",
           "| a | b |\n|---|---|\n| c |\n| d | e | f |",
           {"|a │ b", "|──┼──", "|c │  ", "|d │ e"}},
          {"inline markup dropped, code and link kept as text",
           "| h |\n|---|\n| **b** `c` [l](u) |",
           {"|h        ", "|─────────", "|b c l (u)"}},
          {"escaped pipe inside a cell",
           "| a \\| b |\n|---|\n| c |",
           {"|a | b", "|─────", "|c    "}},
          {"separated from what follows", "| a |\n|---|\n\nafter", {"|a", "|─", "~", "|after"}},
          {"in a quote",
           "> | a |\n> |---|\n> | b |",
           {"▌ |a @surface", "▌ |─ @surface", "▌ |b @surface"}},
      },
      false);
}

TEST(MarkdownBlocks, ThematicBreaks) {
  const auto rule = [](std::size_t n) {
    std::string out = "|";
    for (std::size_t i = 0; i < n; ++i) out += "─";
    return out;
  };
  expect_rows(
      {
          {"width 80 caps at 60", "---", {rule(60)}, 80},
          {"width 68 is 60", "---", {rule(60)}, 68},
          {"width 20 is 12", "***", {rule(12)}, 20},
          {"width 11 is 3", "___", {rule(3)}, 11},
          {"width 5 is 3", "---", {rule(3)}, 5},
          {"width 0 is 3", "---", {rule(3)}, 0},
          {"between paragraphs", "a\n\n---\n\nb", {"|a", "~", rule(12), "~", "|b"}, 20},
      },
      false);
}

TEST(MarkdownBlocks, RawHtmlAndEntities) {
  expect_rows(
      {
          {"html block shown line by line", "<div>\nhi\n</div>", {"|<div>", "|hi", "|</div>"}},
          {"html comment shown", "<!-- note -->", {"|<!-- note -->"}},
          {"inline tags shown", "a <b>bold</b> c", {"|a <b>bold</b> c"}},
          {"named, decimal and hex entities",
           "&amp; &copy; &#65; &#x42; &nbsp;",
           {"|& © A B \u00A0"}},
          {"unknown entity left alone", "&nosuch;", {"|&nosuch;"}},
          {"backslash escapes", "\\*not emphasis\\*", {"|*not emphasis*"}},
          {"no smart punctuation",
           "\"quoted\" -- and --- 'single'...",
           {"|\"quoted\" -- and --- 'single'..."}},
          {"no footnotes", "text[^1]", {"|text[^1]"}},
          {"autolink keeps its target", "<https://x.y>", {"|https://x.y (https://x.y)"}},
      },
      false);
}

}  // namespace
}  // namespace orvane::markdown

// Styles of prefixes, content and row backgrounds.
#include <gtest/gtest.h>

#include "row_text.hpp"

namespace orvane::markdown {
namespace {

using fixture::expect_rows;

TEST(MarkdownStyles, Headings) {
  expect_rows(
      {
          {"level 1", "# One", {"|[One]{accent,bold}"}},
          {"level 2", "## Two", {"|[Two]{purple,bold}"}},
          {"level 3", "### Three", {"|[Three]{success,bold}"}},
          {"level 4", "#### Four", {"|[Four]{warning,bold}"}},
          {"level 5", "##### Five", {"|[Five]{warning,bold}"}},
          {"level 6", "###### Six", {"|[Six]{warning,bold}"}},
          {"setext level 2", "Two\n---", {"|[Two]{purple,bold}"}},
          {"italic inside a heading", "# a *b*", {"|[a ]{accent,bold}[b]{accent,bold,italic}"}},
          {"inline code keeps its colours", "# a `c`", {"|[a ]{accent,bold}[c]{warning,on focus}"}},
          {"text after a heading is plain", "# H\n\nbody", {"|[H]{accent,bold}", "~", "|[body]"}},
      },
      true);
}

TEST(MarkdownStyles, Emphasis) {
  expect_rows(
      {
          {"plain text has no style", "plain", {"|[plain]"}},
          {"emphasis", "*a* _b_", {"|[a]{italic}[ ][b]{italic}"}},
          {"strong", "**a** __b__", {"|[a]{bold}[ ][b]{bold}"}},
          {"strikethrough", "~~gone~~ ~also~", {"|[gone]{crossed}[ ][also]{crossed}"}},
          {"nested",
           "***both*** **~~all *three*~~**",
           {"|[both]{bold,italic}[ ][all ]{bold,crossed}[three]{bold,italic,crossed}"}},
          {"style ends with its closer", "**a** b", {"|[a]{bold}[ b]"}},
          {"unclosed markers are text", "**a", {"|[**a]"}},
          {"a split text node stays one span", "a [b c*d", {"|[a [b c*d]"}},
          {"inline code", "use `x` here", {"|[use ][x]{warning,on focus}[ here]"}},
          {"inline code in strong is bold", "**a `x`**", {"|[a ]{bold}[x]{warning,on focus,bold}"}},
          {"inline code in emphasis is not italic", "*`x`*", {"|[x]{warning,on focus}"}},
          {"inline html in the surrounding style", "*a <b>x</b> c*", {"|[a <b>x</b> c]{italic}"}},
          {"style carries over a soft break", "*a\nb*", {"|[a]{italic}", "|[b]{italic}"}},
      },
      true);
}

TEST(MarkdownStyles, LinksAndImages) {
  expect_rows(
      {
          {"link",
           "see [docs](https://d.io) now",
           {"|[see ][docs]{blue,underlined}[ (https://d.io)]{faint}[ now]"}},
          {"link with a title shows only the destination",
           "[a](u \"T\")",
           {"|[a]{blue,underlined}[ (u)]{faint}"}},
          {"reference link", "[a][r]\n\n[r]: /ref", {"|[a]{blue,underlined}[ (/ref)]{faint}"}},
          {"empty destination", "[a]()", {"|[a]{blue,underlined}[ ()]{faint}"}},
          {"image with empty destination", "![alt]()", {"|[alt]{blue,underlined}[ ()]{faint}"}},
          {"image", "![logo](l.png)", {"|[logo]{blue,underlined}[ (l.png)]{faint}"}},
          {"strong link text", "**[a](u)**", {"|[a]{blue,bold,underlined}[ (u)]{faint,bold}"}},
          {"link in a heading: blue wins, suffix bold",
           "## [a](u)",
           {"|[a]{blue,bold,underlined}[ (u)]{faint,bold}"}},
          {"image in a link: inner suffix still underlined",
           "[![i](img)](dest)",
           {"|[i]{blue,underlined}[ (img)]{faint,underlined}[ (dest)]{faint}"}},
          {"link in a quote",
           "> [a](u)",
           {"[▌ ]{accent,on surface}|[a]{blue,on surface,underlined}[ (u)]{faint,on surface}"
            " @surface"}},
      },
      true);
}

TEST(MarkdownStyles, ListsAndTasks) {
  expect_rows(
      {
          {"marker in faint", "- a", {"[• ]{faint}|[a]"}},
          {"continuation indent has no colour", "- a\n  b", {"[• ]{faint}|[a]", "[   ]|[b]"}},
          {"nested marker keeps its indentation in one span",
           "- a\n  - b",
           {"[• ]{faint}|[a]", "[   ◦ ]{faint}|[b]"}},
          {"ordered marker", "10. ten", {"[10. ]{faint}|[ten]"}},
          {"ticked box", "- [x] done", {"[• ]{faint}|[[x] ]{faint}[done]"}},
          {"open box before styled text",
           "- [ ] **todo**",
           {"[• ]{faint}|[[ ] ]{faint}[todo]{bold}"}},
      },
      true);
}

TEST(MarkdownStyles, Quotes) {
  expect_rows(
      {
          {"bar, text and row on surface",
           "> a",
           {"[▌ ]{accent,on surface}|[a]{on surface} @surface"}},
          {"two bars",
           ">> a",
           {"[▌ ]{accent,on surface}[▌ ]{accent,on surface}|[a]{on surface} @surface"}},
          {"emphasis on surface",
           "> *a*",
           {"[▌ ]{accent,on surface}|[a]{on surface,italic} @surface"}},
          {"list indentation on surface",
           "> - a\n>   b",
           {"[▌ ]{accent,on surface}[• ]{faint,on surface}|[a]{on surface} @surface",
            "[▌ ]{accent,on surface}[   ]{on surface}|[b]{on surface} @surface"}},
          {"blank row after a quote has no background",
           "> a\n\nb",
           {"[▌ ]{accent,on surface}|[a]{on surface} @surface", "~", "|[b]"}},
      },
      true);
}

TEST(MarkdownStyles, CodeBlocks) {
  expect_rows(
      {
          {"label and code",
           "```py\nx = 1\n```",
           {"[ ]{on surface}|[py]{faint,on surface} @surface",
            "[ ]{on surface}|[x = 1]{text,on surface} @surface"}},
          {"empty code line is an empty span",
           "```\n```",
           {"[ ]{on surface}|[]{text,on surface} @surface"}},
          {"gutter after the list indentation",
           "- a\n\n  ```\n  x\n  ```",
           {"[• ]{faint}|[a]", "[   ][ ]{on surface}|[x]{text,on surface} @surface"}},
          {"item that starts with code shows its marker first",
           "- ```\n  x\n  ```",
           {"[• ]{faint}|", "[   ][ ]{on surface}|[x]{text,on surface} @surface"}},
      },
      true);
}

TEST(MarkdownStyles, Tables) {
  expect_rows(
      {
          {"bold head, faint rule, plain body",
           "| a | bb |\n|---|---|\n| ccc | d |",
           {"|[a   │ bb]{bold}", "|[────┼───]{faint}", "|[ccc │ d ]"}},
          {"head only", "| a |\n|---|", {"|[a]{bold}", "|[─]{faint}"}},
      },
      true);
}

TEST(MarkdownStyles, ThematicBreakInRule) {
  expect_rows({{"rule colour", "---", {"|[───]{rule}"}, 11}}, true);
}

}  // namespace
}  // namespace orvane::markdown

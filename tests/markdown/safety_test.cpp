// Text from the bridge is untrusted: no control character may come out in a span.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "row_text.hpp"
#include "unicode/properties.hpp"
#include "unicode/utf8.hpp"

namespace orvane::markdown {
namespace {

using fixture::expect_rows;

bool has_control(const std::string& text) {
  for (std::size_t at = 0; at < text.size();) {
    const unicode::Decoded decoded = unicode::decode(text, at);
    if (unicode::is_control(decoded.code_point)) return true;
    at += decoded.length;
  }
  return false;
}

TEST(MarkdownSafety, NoControlCharacterInAnySpan) {
  const std::string esc = "\x1b";
  const std::string csi8 = "\xc2\x9b";  // U+009B, a C1 control
  const std::vector<std::string> inputs = {
      "a" + esc + "[31mred",
      "&#27;[2J and &#155;31m and &#x7f; and &#0;",
      "```\n" + esc + "]52;c;AAAA\x07\n```",
      "```" + esc + "x\ncode\n```",
      "`" + esc + "[1m`",
      "| a" + esc + " |\n|---|\n| " + csi8 + " |",
      "[a](&#27;[31m)",
      "<b " + esc + "[0m>",
      "<div>\n" + esc + "c\n</div>",
      "- [x] " + esc + "c\n> q" + csi8,
      "# \x08\x08\x08gone",
      "line\r\nnext\rlast",
      std::string("nul\0byte", 8),
  };
  const render::Palette palette = fixture::test_palette();
  for (const auto& input : inputs) {
    for (const auto& row : lines(input, palette, 40)) {
      for (const auto* spans : {&row.prefix, &row.spans}) {
        for (const auto& span : *spans) {
          EXPECT_FALSE(has_control(span.content))
              << fixture::rows_text(lines(input, palette, 40), false);
        }
      }
    }
  }
}

TEST(MarkdownSafety, ControlsDroppedAndTabsSpaced) {
  expect_rows(
      {
          {"escape dropped, the rest kept", "a\x1b[31mb", {"|a[31mb"}},
          {"decoded escape dropped", "x&#27;y", {"|xy"}},
          {"tab in text becomes a space", "a\tb", {"|a b"}},
          {"tab in a table cell", "| a\tb |\n|---|", {"|a b", "|───"}},
          {"carriage returns end lines", "a\r\nb\rc", {"|a", "|b", "|c"}},
          {"malformed UTF-8 becomes the replacement character",
           "a\xff"
           "b",
           {"|a\uFFFDb"}},
          {"nul becomes the replacement character", std::string("a\0b", 3), {"|a\uFFFDb"}},
      },
      false);
}

}  // namespace
}  // namespace orvane::markdown

#include "transcript/text_lines.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::transcript {
namespace {

TEST(TextLines, Split) {
  const struct {
    std::string text;
    std::vector<std::string_view> lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"\n", {""}},
      {"a\n\n", {"a", ""}},
      {"a\n\nb", {"a", "", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb", {"a\rb"}},  // a carriage return alone is text
      {"a\r", {"a\r"}},
      {"a\r\r\n", {"a\r"}},
  };
  for (const auto& c : cases) EXPECT_EQ(text_lines(c.text), c.lines) << '"' << c.text << '"';
}

}  // namespace
}  // namespace orvane::transcript

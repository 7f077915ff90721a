#include "transcript/truncate.hpp"

#include <gtest/gtest.h>

#include <string>

#include "unicode/width.hpp"

namespace orvane::transcript {
namespace {

struct TruncateCase {
  const char* name;
  std::string text;
  std::size_t max;
  std::string expected;
};

TEST(Truncate, Cases) {
  const TruncateCase cases[] = {
      {"fits exactly", "abc", 3, "abc"},
      {"one column over", "abcd", 3, "ab\u2026"},
      {"six letters to four", "abcdef", 4, "abc\u2026"},
      {"maximum 1", "abcdef", 1, "\u2026"},
      {"maximum 0", "abcdef", 0, "\u2026"},
      {"empty text", "", 0, ""},
      {"wide character before the ellipsis left out whole", "ab\u754Cc", 4, "ab\u2026"},
      {"wide character that fits kept", "a\u754C\u754C", 4, "a\u754C\u2026"},
      {"wide text fits", "\u754C\u754C", 4, "\u754C\u754C"},
      {"combining mark stays with its letter", "e\u0301e\u0301e\u0301", 2, "e\u0301\u2026"},
      {"zero-width text fits any maximum", "\u0301", 0, "\u0301"},
  };
  for (const auto& c : cases) {
    const std::string out = truncate(c.text, c.max);
    EXPECT_EQ(out, c.expected) << c.name;
    if (c.max >= 1) {
      EXPECT_LE(unicode::text_width(out), c.max) << c.name;
    }
  }
}

}  // namespace
}  // namespace orvane::transcript

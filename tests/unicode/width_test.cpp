#include "unicode/width.hpp"

#include <gtest/gtest.h>

#include "unicode/properties.hpp"
#include "unicode/utf8.hpp"

namespace orvane::unicode {
namespace {

struct WidthCase {
  const char* name;
  std::string cluster;
  std::size_t width;
};

TEST(Width, OfOneCluster) {
  const WidthCase cases[] = {
      {"ascii letter", "a", 1},
      {"space", " ", 1},
      {"CJK ideograph", "\u4E2D", 2},
      {"fullwidth A", "\uFF21", 2},
      {"hangul syllable", "\uAC00", 2},
      {"e with combining acute", "e\u0301", 1},
      {"lone combining acute", "\u0301", 0},
      {"zero width space", "\u200B", 0},
      {"ZWJ family", "\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466", 2},
      {"flag", "\U0001F1E9\U0001F1EA", 2},
      {"lone regional indicator", "\U0001F1E9", 1},
      {"heart with VS16", "\u2764\uFE0F", 2},
      {"heart without VS16", "\u2764", 1},
      {"emoji with skin tone", "\U0001F44D\U0001F3FD", 2},
      {"wide emoji", "\U0001F600", 2},
      {"escape", "\x1b", 0},
      {"tab", "\t", 0},
      {"line feed", "\n", 0},
      {"CR LF", "\r\n", 0},
      {"delete", "\x7f", 0},
      {"C1 control", "\u009B", 0},
      {"control with combining mark", "\x1b\u0301", 0},
      {"box drawing", "\u2500", 1},
      {"ellipsis", "\u2026", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(cluster_width(c.cluster), c.width) << c.name;
}

TEST(Width, OfTextSumsItsClusters) {
  EXPECT_EQ(text_width(""), 0u);
  EXPECT_EQ(text_width("hello"), 5u);
  EXPECT_EQ(text_width("a\u4E2Db"), 4u);
  EXPECT_EQ(text_width("cafe\u0301!"), 5u);
  EXPECT_EQ(text_width("\U0001F1E9\U0001F1EA\U0001F1EB\U0001F1F7"), 4u);
  EXPECT_EQ(text_width("a\x1b]52;c;x\x07"), 8u);  // the ESC and BEL are not drawn
}

TEST(Properties, WhiteSpaceAndControl) {
  for (char32_t c : {0x09, 0x0A, 0x0D, 0x20, 0x85, 0xA0, 0x1680, 0x2000, 0x200A, 0x2028, 0x2029,
                     0x202F, 0x205F, 0x3000}) {
    EXPECT_TRUE(is_white_space(c)) << std::hex << static_cast<unsigned>(c);
  }
  for (char32_t c : {0x08, 0x0E, 0x200B, 0x200D, 0x61, 0xFEFF}) {
    EXPECT_FALSE(is_white_space(c)) << std::hex << static_cast<unsigned>(c);
  }
  for (char32_t c : {0x00, 0x1B, 0x1F, 0x7F, 0x80, 0x9F}) EXPECT_TRUE(is_control(c));
  for (char32_t c : {0x20, 0x7E, 0xA0, 0x200B}) EXPECT_FALSE(is_control(c));
}

TEST(Utf8, ValidityAndDecoding) {
  EXPECT_TRUE(is_valid_utf8("plain \u00e9\u4E2D\U0001F600 \uFFFD"));
  for (const char* bad : {"\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80", "\xE4\xB8"}) {
    EXPECT_FALSE(is_valid_utf8(bad)) << bad;
  }
  EXPECT_EQ(sequence_length("\U0001F600", 0), 4u);
  EXPECT_EQ(sequence_length("\uFFFD", 0), 3u) << "a genuine replacement character is valid";
  EXPECT_EQ(sequence_length("a\xE4\xB8", 1), 0u);
  const std::string text = "\u00e9x";
  EXPECT_EQ(decode(text, 0).code_point, 0xE9u);
  EXPECT_EQ(decode(text, 0).length, 2u);
  std::string out;
  for (char32_t c : {0x41, 0xE9, 0x4E2D, 0x1F600}) append_utf8(out, c);
  EXPECT_EQ(out, "A\u00e9\u4E2D\U0001F600");
}

}  // namespace
}  // namespace orvane::unicode

#include "input/json_writer.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace orvane::input {
namespace {

std::string json_string(std::string_view s) {
  std::string out;
  append_json_string(out, s);
  return out;
}

TEST(JsonString, EscapesOnlyQuoteBackslashAndC0Controls) {
  struct Case {
    std::string text;
    std::string json;
  };
  const Case cases[] = {
      {"", R"("")"},
      {"say \"hi\"", R"("say \"hi\"")"},
      {"C:\\dir\\", R"("C:\\dir\\")"},
      {"a\nb\tc\rd", R"("a\nb\tc\rd")"},
      {"\b\f", R"("\b\f")"},
      {std::string("\x00\x01\x1B\x1F", 4), R"("\u0000\u0001\u001b\u001f")"},
      // DEL, slash and the line separators are valid JSON as they stand.
      {"\x7F/\xE2\x80\xA8", "\"\x7F/\xE2\x80\xA8\""},
      {"caf\xC3\xA9 \xF0\x9F\x98\x80", "\"caf\xC3\xA9 \xF0\x9F\x98\x80\""},
  };
  for (const Case& c : cases) EXPECT_EQ(json_string(c.text), c.json) << c.text;
}

TEST(JsonString, ReplacesEachInvalidUtf8ByteWithReplacementCharacter) {
  struct Case {
    std::string text;
    std::string json;
  };
  const Case cases[] = {
      {"a\xFF!", "\"a\xEF\xBF\xBD!\""},
      // A lone continuation byte, a truncated sequence at the end.
      {"\x80", "\"\xEF\xBF\xBD\""},
      {"x\xE2\x82", "\"x\xEF\xBF\xBD\xEF\xBF\xBD\""},
      // Overlong encoding of '"' must not come out as a bare quote.
      {"\xC0\xA2", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
      // An encoded surrogate.
      {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
      // A genuine U+FFFD passes unchanged.
      {"\xEF\xBF\xBD", "\"\xEF\xBF\xBD\""},
  };
  for (const Case& c : cases) EXPECT_EQ(json_string(c.text), c.json);
}

TEST(JsonText, WritesEveryFieldKindCompactlyInAscendingKeyOrder) {
  Message message;
  message["type"] = std::string("t");
  message["zeta"] = std::vector<std::string>{"a\"b", "", "\n"};
  message["empty"] = std::vector<std::string>{};
  message["Upper"] = true;
  message["alpha"] = false;
  message["big"] = std::numeric_limits<std::uint64_t>::max();
  message["neg"] = std::numeric_limits<std::int64_t>::min();
  message["zero"] = std::uint64_t{0};
  message["a_b"] = std::string("x");
  message["ab"] = std::string("y");
  EXPECT_EQ(json_text(message),
            R"({"Upper":true,"a_b":"x","ab":"y","alpha":false,"big":18446744073709551615,)"
            R"("empty":[],"neg":-9223372036854775808,"type":"t","zero":0,)"
            R"("zeta":["a\"b","","\n"]})");
}

TEST(JsonText, SplicesFreeValuesVerbatim) {
  const std::string values[] = {
      R"({"a":[1,{"b":null}],"c":"\u001f\"x"})",
      R"([1.50,-0,1e300,true,null])",
      "\"caf\xC3\xA9\"",
      "12345678901234567890123",
      "null",
  };
  for (const std::string& value : values) {
    const Message message{{"operation", bridge::JsonValue{value}}, {"type", std::string("op")}};
    EXPECT_EQ(json_text(message), R"({"operation":)" + value + R"(,"type":"op"})");
  }
}

TEST(JsonText, WritesAnEmptyFreeValueAsNull) {
  const Message message{{"operation", bridge::JsonValue{}}};
  EXPECT_EQ(json_text(message), R"({"operation":null})");
}

TEST(JsonText, EscapesKeys) {
  const Message message{{"a\"\n", std::string("v")}};
  EXPECT_EQ(json_text(message), R"({"a\"\n":"v"})");
}

}  // namespace
}  // namespace orvane::input

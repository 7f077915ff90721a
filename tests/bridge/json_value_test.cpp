#include "bridge/json_value.hpp"

#include <gtest/gtest.h>

#include <string>

#include "bridge/canonical_json.hpp"

namespace orvane::bridge {
namespace {

struct CanonicalCase {
  std::string input;
  std::string canonical;
};

TEST(JsonValue, CanonicalFormIsCompactSortedAndKeepsNumbersAsWritten) {
  const CanonicalCase cases[] = {
      {R"( { "b" : 1 , "a" : [ true , false , null ] } )", R"({"a":[true,false,null],"b":1})"},
      {"\t\r\n[ ]\n", "[]"},
      {"{ }", "{}"},
      // Byte order of the unescaped keys: upper case before lower, UTF-8 last.
      {R"({"b":1,"B":2,"a":3,"é":4,"":5})", R"({"":5,"B":2,"a":3,"b":1,"é":4})"},
      {R"({"\u0062":1,"a":2})", R"({"a":2,"b":1})"},
      {R"({"z":{"y":1,"x":[{"b":1,"a":2}]},"a":0})", R"({"a":0,"z":{"x":[{"a":2,"b":1}],"y":1}})"},
      {R"([{"b":[{"d":0,"c":1}],"a":{}}])", R"([{"a":{},"b":[{"c":1,"d":0}]}])"},
      {R"("\u0041\/\"\\\b\f\n\r\t\u0001\u001F\u007f")",
       "\"A/\\\"\\\\\\b\\f\\n\\r\\t\\u0001\\u001f\x7f\""},
      {R"("\u00e9\ud83d\ude00é€")", "\"é😀é€\""},
      {R"("\u2028 <\/script>")", "\"\u2028 </script>\""},
      {"[1.0,1.00,1e0,-0,1E+2,2.5e-3,123456789012345678901234567890]",
       "[1.0,1.00,1e0,-0,1E+2,2.5e-3,123456789012345678901234567890]"},
      {" 12 ", "12"},
      {"\"x\"", "\"x\""},
      {"true", "true"},
      {"null", "null"},
  };
  for (const auto& c : cases) {
    const auto value = json_value(c.input);
    ASSERT_TRUE(value.has_value()) << c.input;
    EXPECT_EQ(value->text, c.canonical) << c.input;
  }
}

TEST(JsonValue, CompactAndSpacedInputGiveTheSameForm) {
  // Values written compactly with plain strings take a quicker way than the
  // rest; spacing an input out sends it the general way.
  const std::string inputs[] = {
      R"({"type":"open","id":12,"scale":1.0})",
      R"({"z":{"y":[{"b":1,"a":[true,false,null]}],"x":-0.5e+3},"a":"plain text"})",
      R"([{"c":1,"b":2,"a":3,"d":{"f":[],"e":{}}},"x",0,-1.25E-2])",
      R"({"k10":1,"k9":2,"k8":3,"k7":4,"k6":5,"k5":6,"k4":7,"k3":8,"k2":9,"k1":10,"k0":11})",
  };
  for (const auto& input : inputs) {
    std::string spaced;
    for (const char c : input) {
      spaced += c;
      if (c == ',' || c == ':' || c == '[' || c == '{') spaced += ' ';
    }
    const auto compact = json_value(input);
    const auto general = json_value(spaced);
    ASSERT_TRUE(compact && general) << input;
    EXPECT_EQ(compact->text, general->text) << input;
  }
  // More members and levels than the quick way holds.
  std::string wide = "{";
  for (int i = 99; i >= 0; --i)
    wide += "\"k" + std::to_string(i) + "\":" + std::to_string(i) + (i > 0 ? "," : "}");
  const auto sorted = json_value(wide);
  ASSERT_TRUE(sorted.has_value());
  EXPECT_TRUE(sorted->text.starts_with(R"({"k0":0,"k1":1,"k10":10,"k11":11,)")) << sorted->text;
  const std::string deep = std::string(40, '[') + R"({"b":1,"a":2})" + std::string(40, ']');
  EXPECT_EQ(json_value(deep)->text,
            std::string(40, '[') + R"({"a":2,"b":1})" + std::string(40, ']'));
}

struct RejectCase {
  std::string input;
  std::size_t offset;
  std::string what;
};

TEST(JsonValue, InvalidTextIsRefusedWithOffsetAndReason) {
  const RejectCase cases[] = {
      {"", 0, "unexpected end of text"},
      {"[1,]", 3, "unexpected character ']'"},
      {"[1 2]", 3, "expected ',' or ']'"},
      {R"({"a" 1})", 5, "expected ':'"},
      {R"({"a":1,})", 7, "expected a key"},
      {R"({"a":1 "b":2})", 7, "expected ',' or '}'"},
      {"[1,2}", 4, "expected ',' or ']'"},
      {"01", 0, "invalid number"},
      {"1.", 0, "invalid number"},
      {"-", 0, "invalid number"},
      {"1e", 0, "invalid number"},
      {".5", 0, "unexpected character '.'"},
      {"tru", 0, "unexpected character 't'"},
      {"truex", 4, "unexpected text after the value"},
      {"1 2", 2, "unexpected text after the value"},
      {R"("abc)", 4, "unterminated string"},
      {R"("\x")", 1, "invalid escape \\x"},
      {R"("\u12G4")", 1, "invalid \\u escape"},
      {R"("\ud800")", 7, "lone surrogate in \\u escape"},
      {R"("\udc00")", 7, "lone surrogate in \\u escape"},
      {R"("\ud800\u0041")", 7, "lone surrogate in \\u escape"},
      {"\"a\tb\"", 2, "control character in a string"},
      {"\"\xff\"", 1, "invalid UTF-8"},
      {"\"\xc0\xaf\"", 1, "invalid UTF-8"},
      {"\"\xed\xa0\x80\"", 1, "invalid UTF-8"},
      {R"({"a":1,"a":2})", 0, "duplicate key \"a\""},
      {R"([0,{"b":{},"a":1,"b":2}])", 3, "duplicate key \"b\""},
      {R"({"\u0061":1,"a":2})", 0, "duplicate key \"a\""},
  };
  for (const auto& c : cases) {
    std::string out;
    const auto error = append_canonical_json(c.input, 0, kMaxJsonDepth, out);
    ASSERT_TRUE(error.has_value()) << c.input;
    EXPECT_EQ(error->what, c.what) << c.input;
    EXPECT_EQ(error->offset, c.offset) << c.input;
  }
}

TEST(JsonValue, NestingIsLimitedWithoutRecursion) {
  const auto nested = [](std::size_t depth) {
    return std::string(depth, '[') + std::string(depth, ']');
  };
  EXPECT_TRUE(json_value(nested(kMaxJsonDepth)).has_value());
  EXPECT_FALSE(json_value(nested(kMaxJsonDepth + 1)).has_value());

  std::string out;
  const auto error = append_canonical_json(nested(100'000), 0, kMaxJsonDepth, out);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->what, "nested deeper than 1024 levels");
  EXPECT_EQ(error->offset, kMaxJsonDepth);

  // The depth the value starts at counts against the limit.
  EXPECT_FALSE(append_canonical_json("[[]]", kMaxJsonDepth - 2, kMaxJsonDepth, out).has_value());
  EXPECT_TRUE(append_canonical_json("[[]]", kMaxJsonDepth - 1, kMaxJsonDepth, out).has_value());
}

struct EqualityCase {
  std::string a;
  std::string b;
  bool equal;
};

TEST(JsonValue, EqualityFollowsJsonValueRules) {
  const EqualityCase cases[] = {
      // Types never mix.
      {"null", "null", true},
      {"null", "false", false},
      {"0", "false", false},
      {"1", "\"1\"", false},
      {"[1]", "1", false},
      {"[]", "{}", false},
      {"true", "true", true},
      {"true", "false", false},
      // Integers compare as integers of any size.
      {"1", "1", true},
      {"1", "2", false},
      {"-0", "0", true},
      {"-1", "1", false},
      {"9007199254740993", "9007199254740992", false},
      {"123456789012345678901234567890", "123456789012345678901234567890", true},
      {"123456789012345678901234567890", "123456789012345678901234567891", false},
      {"-123456789012345678901234567890", "123456789012345678901234567890", false},
      // Numbers with a fraction or exponent compare as doubles.
      {"1.0", "1.00", true},
      {"1.0", "1e0", true},
      {"1.5", "15e-1", true},
      {"-0.0", "0.0", true},
      {"0.1", "0.10000000000000001", true},
      {"0.1", "0.2", false},
      {"1e400", "2e400", true},
      {"1e400", "-1e400", false},
      {"1e-400", "0.0", true},
      // An integer never equals a number written with a fraction or exponent.
      {"1", "1.0", false},
      {"10", "1e1", false},
      // Strings after unescaping.
      {R"("a")", R"("\u0061")", true},
      {R"("é")", R"("\u00e9")", true},
      {R"("a")", R"("b")", false},
      {R"("a")", R"("ab")", false},
      {R"("1.0")", R"("1")", false},
      // Arrays element by element.
      {"[1,2]", "[ 1 , 2 ]", true},
      {"[1,2]", "[2,1]", false},
      {"[1]", "[1,1]", false},
      {"[[1.0]]", "[[1e0]]", true},
      {"[[1.0]]", "[[1]]", false},
      // Objects as maps.
      {R"({"a":1,"b":2})", R"({"b":2,"a":1})", true},
      {R"({"a":1})", R"({"a":1,"b":2})", false},
      {R"({"a":1})", R"({"b":1})", false},
      {R"({"a":1.5})", R"({"a":15e-1})", true},
      {R"({"a":{"b":[1]}})", R"({"a":{"b":[1.0]}})", false},
      {R"({"a":"1"})", R"({"a":1})", false},
  };
  for (const auto& c : cases) {
    const auto a = json_value(c.a);
    const auto b = json_value(c.b);
    ASSERT_TRUE(a && b) << c.a << " / " << c.b;
    EXPECT_EQ(json_equal(*a, *b), c.equal) << c.a << " == " << c.b;
    EXPECT_EQ(json_equal(*b, *a), c.equal) << c.b << " == " << c.a;
  }
}

}  // namespace
}  // namespace orvane::bridge

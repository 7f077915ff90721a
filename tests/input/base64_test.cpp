#include "input/base64.hpp"

#include <gtest/gtest.h>

#include <string>

namespace orvane::input {
namespace {

TEST(Base64, EncodesRfc4648VectorsAndAnyBytes) {
  struct Case {
    std::string bytes;
    std::string encoded;
  };
  const Case cases[] = {
      {"", ""},
      {"f", "Zg=="},
      {"fo", "Zm8="},
      {"foo", "Zm9v"},
      {"foob", "Zm9vYg=="},
      {"fooba", "Zm9vYmE="},
      {"foobar", "Zm9vYmFy"},
      // High bytes must not sign-extend; these reach the last two alphabet letters.
      {std::string("\xFB\xEF\xFF", 3), "++//"},
      {std::string("\x00\x00", 2), "AAA="},
      {"h\xC3\xA9 \xF0\x9F\x99\x82\n", "aMOpIPCfmYIK"},
  };
  for (const Case& c : cases) EXPECT_EQ(base64(c.bytes), c.encoded) << c.bytes;
}

}  // namespace
}  // namespace orvane::input

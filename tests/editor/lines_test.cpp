#include "editor/lines.hpp"

#include <gtest/gtest.h>

#include <string_view>

namespace orvane::editor {
namespace {

TEST(EditorLines, StartAndEndOfTheLineAroundAnOffset) {
  struct Case {
    std::string_view text;
    std::size_t offset;
    std::size_t start;
    std::size_t end;
  };
  const Case cases[] = {
      {"", 0, 0, 0},         {"abc", 1, 0, 3},      {"ab\ncd", 2, 0, 2}, {"ab\ncd", 3, 3, 5},
      {"ab\ncd", 5, 3, 5},   {"ab\n\ncd", 3, 3, 3}, {"\n", 1, 1, 1},     {"ab\r\ncd", 1, 0, 2},
      {"ab\r\ncd", 2, 0, 2}, {"\r\n", 0, 0, 0},     {"a\rb", 0, 0, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "offset " << c.offset << " in \"" << c.text << "\"");
    EXPECT_EQ(line_start(c.text, c.offset), c.start);
    EXPECT_EQ(line_end(c.text, c.offset), c.end);
  }
}

}  // namespace
}  // namespace orvane::editor

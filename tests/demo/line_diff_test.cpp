#include "line_diff.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::demo {
namespace {

// A row as "left|left text|right|right text|kind".
std::vector<std::string> row_texts(const FileDiff& diff) {
  std::vector<std::string> rows;
  for (const bridge::DiffRow& r : diff.rows) {
    rows.push_back(std::to_string(r.left_number) + "|" + r.left_text + "|" + std::to_string(r.right_number) + "|" +
                   r.right_text + "|" + r.kind);
  }
  return rows;
}

std::string numbered(int from, int to, int changed_a = 0, int changed_b = 0) {
  std::string text;
  for (int i = from; i <= to; ++i) text += (i == changed_a || i == changed_b ? "X" : "l") + std::to_string(i) + "\n";
  return text;
}

struct DiffCase {
  const char* name;
  std::string before;
  std::string after;
  std::size_t context;
  std::size_t max_rows;
  std::vector<std::string> rows;
  std::uint64_t added;
  std::uint64_t removed;
};

TEST(LineDiff, RowsOfTableOfCases) {
  const std::vector<DiffCase> cases = {
      {"identical texts", "a\nb\n", "a\nb\n", 2, 48, {}, 0, 0},
      {"both empty", "", "", 2, 48, {}, 0, 0},
      {"line endings do not count", "a\r\nb\r\n", "a\nb", 2, 48, {}, 0, 0},
      {"one line replaced", "a\nb\nc\n", "a\nB\nc\n", 2, 48, {"1|a|1|a|", "2|b|2|B|change", "3|c|3|c|"}, 1, 1},
      {"line added at the end", "a\n", "a\nb\n", 2, 48, {"1|a|1|a|", "0||2|b|add"}, 1, 0},
      {"line deleted in the middle", "a\nb\nc", "a\nc", 2, 48, {"1|a|1|a|", "2|b|0||del", "3|c|2|c|"}, 0, 1},
      {"insertion shifts the right numbers", "a\nb\nc", "a\nx\nb\nc", 2, 48,
       {"1|a|1|a|", "0||2|x|add", "2|b|3|b|", "3|c|4|c|"}, 1, 0},
      {"replacement longer on the left pairs, then deletes", "x\ny\nz\n", "X\n", 2, 48,
       {"1|x|1|X|change", "2|y|0||del", "3|z|0||del"}, 1, 3},
      {"replacement longer on the right pairs, then adds", "x\n", "X\nY\n", 2, 48,
       {"1|x|1|X|change", "0||2|Y|add"}, 2, 1},
      {"new file", "", "a\nb\n", 2, 48, {"0||1|a|add", "0||2|b|add"}, 2, 0},
      {"context around a change is cut to its depth", numbered(1, 10), numbered(1, 10, 5), 2, 48,
       {"3|l3|3|l3|", "4|l4|4|l4|", "5|l5|5|X5|change", "6|l6|6|l6|", "7|l7|7|l7|"}, 1, 1},
      {"a long unchanged stretch between changes is a separator", numbered(1, 10), numbered(1, 10, 2, 9), 1, 48,
       {"1|l1|1|l1|", "2|l2|2|X2|change", "3|l3|3|l3|", "0||0||sep", "8|l8|8|l8|", "9|l9|9|X9|change",
        "10|l10|10|l10|"},
       2, 2},
      {"a short stretch between changes stays whole", numbered(1, 6), numbered(1, 6, 2, 5), 1, 48,
       {"1|l1|1|l1|", "2|l2|2|X2|change", "3|l3|3|l3|", "4|l4|4|l4|", "5|l5|5|X5|change", "6|l6|6|l6|"}, 2, 2},
      {"a blank line both texts share does not split a replaced block",
       "import sys\n\n\ndef greet(name):\n    return 1\n\n\ndef main():\n",
       "import sys\n\nTABLE = 1\n\n\ndef greet(name, lang):\n    return 2\n\n\ndef main():\n", 2, 48,
       {"1|import sys|1|import sys|", "2||2||", "0||3|TABLE = 1|add", "0||4||add", "3||5||",
        "4|def greet(name):|6|def greet(name, lang):|change", "5|    return 1|7|    return 2|change", "6||8||",
        "7||9||"},
       4, 2},
      {"rows past the limit become one clip row", numbered(1, 10), "a\nb\nc\nd\ne\nf\ng\nh\ni\nj\n", 2, 4,
       {"1|l1|1|a|change", "2|l2|2|b|change", "3|l3|3|c|change", "0|… 7 more rows|0||clip"}, 10, 10},
  };
  for (const DiffCase& c : cases) {
    const FileDiff diff = line_diff(c.before, c.after, c.context, c.max_rows);
    EXPECT_EQ(row_texts(diff), c.rows) << c.name;
    EXPECT_EQ(diff.added, c.added) << c.name;
    EXPECT_EQ(diff.removed, c.removed) << c.name;
  }
}

TEST(LineDiff, UnifiedLinesHaveOneHeaderPerHunkAndOldLinesFirst) {
  EXPECT_EQ(unified_lines(line_diff("a\nb\nc\nd\n", "a\nB\nC\nd\n", 1)),
            (std::vector<std::string>{"@@ -1,4 +1,4 @@", " a", "-b", "-c", "+B", "+C", " d"}));
  EXPECT_EQ(unified_lines(line_diff(numbered(1, 10), numbered(1, 10, 2, 9), 1)),
            (std::vector<std::string>{"@@ -1,3 +1,3 @@", " l1", "-l2", "+X2", " l3", "@@ -8,3 +8,3 @@", " l8", "-l9",
                                      "+X9", " l10"}));
  EXPECT_EQ(unified_lines(line_diff("", "a\n")), (std::vector<std::string>{"@@ -0,0 +1,1 @@", "+a"}));
  EXPECT_EQ(unified_lines(line_diff(numbered(1, 10), "a\nb\nc\nd\ne\nf\ng\nh\ni\nj\n", 2, 3)),
            (std::vector<std::string>{"@@ -1,2 +1,2 @@", "-l1", "-l2", "+a", "+b", "… 8 more rows"}));
}

}  // namespace
}  // namespace orvane::demo

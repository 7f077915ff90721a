#include "unicode/grapheme.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "unicode/utf8.hpp"

namespace orvane::unicode {
namespace {

struct BreakCase {
  int line_number;
  std::string text;
  std::vector<std::size_t> boundaries;  // Byte offsets, including 0 and text.size().
};

// Reads Unicode's GraphemeBreakTest.txt: "÷ 0020 × 0308 ÷ 000A ÷ # comment".
std::vector<BreakCase> read_break_cases() {
  std::ifstream file(ORVANE_UNICODE_DATA "/auxiliary/GraphemeBreakTest.txt");
  std::vector<BreakCase> cases;
  std::string line;
  int number = 0;
  while (std::getline(file, line)) {
    ++number;
    line = line.substr(0, line.find('#'));
    if (line.empty()) continue;
    BreakCase c{number, {}, {}};
    std::istringstream words(line);
    std::string word;
    while (words >> word) {
      if (word == "÷") {
        c.boundaries.push_back(c.text.size());
      } else if (word != "×") {
        append_utf8(c.text, static_cast<char32_t>(std::stoul(word, nullptr, 16)));
      }
    }
    cases.push_back(std::move(c));
  }
  return cases;
}

TEST(Graphemes, AgreeWithEveryCaseOfUnicodeGraphemeBreakTest) {
  const auto cases = read_break_cases();
  ASSERT_GT(cases.size(), 500u) << "GraphemeBreakTest.txt missing (package unicode-data)";
  for (const auto& c : cases) {
    std::vector<std::size_t> forward{0};
    for (std::size_t at = 0; at < c.text.size();) forward.push_back(at = next_boundary(c.text, at));
    EXPECT_EQ(forward, c.boundaries) << "GraphemeBreakTest.txt line " << c.line_number;

    std::vector<std::size_t> backward{c.text.size()};
    for (std::size_t at = c.text.size(); at > 0;) backward.insert(backward.begin(), at = previous_boundary(c.text, at));
    EXPECT_EQ(backward, c.boundaries) << "GraphemeBreakTest.txt line " << c.line_number << " (backward)";
  }
}

TEST(Graphemes, IterateClustersWithOffsets) {
  const std::string text = "ae\u0301\r\n\U0001F468\u200D\U0001F469\u200D\U0001F467x";
  std::vector<std::pair<std::size_t, std::string>> got;
  const Graphemes graphemes(text);
  for (auto it = graphemes.begin(); it != graphemes.end(); ++it) got.emplace_back(it.offset(), std::string(*it));
  const std::vector<std::pair<std::size_t, std::string>> expected = {
      {0, "a"}, {1, "e\u0301"}, {4, "\r\n"}, {6, "\U0001F468\u200D\U0001F469\u200D\U0001F467"}, {24, "x"}};
  EXPECT_EQ(got, expected);
}

TEST(Graphemes, PreviousBoundaryRestartsAfterLineFeeds) {
  // Regional indicators pair up from the start of their run, so the restart point matters.
  const std::string flags = "\U0001F1E9\U0001F1EA\U0001F1EB\U0001F1F7";
  const std::string text = "one\n" + flags + "\n" + flags;
  EXPECT_EQ(previous_boundary(text, text.size()), text.size() - 8);
  EXPECT_EQ(previous_boundary(text, text.size() - 8), text.size() - 16);
  EXPECT_EQ(previous_boundary(text, text.size() - 16), text.size() - 17);
}

}  // namespace
}  // namespace orvane::unicode

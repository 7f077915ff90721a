#include "tui/layout.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace orvane::tui {
namespace {

struct SplitCase {
  const char* name;
  std::uint16_t extent;
  std::vector<Constraint> constraints;
  std::vector<std::uint16_t> sizes;
};

// Sizes of the pieces of a vertical split of a rectangle `extent` rows high.
std::vector<std::uint16_t> sizes_of(const std::vector<Rect>& pieces) {
  std::vector<std::uint16_t> sizes;
  for (const Rect& piece : pieces) sizes.push_back(piece.height);
  return sizes;
}

TEST(Layout, SplitsIntoLengthsAndMinimums) {
  const SplitCase cases[] = {
      {"exact fit", 10, {Length{3}, Min{4}, Length{3}}, {3, 4, 3}},
      {"min takes the rest", 20, {Length{3}, Min{1}, Length{7}}, {3, 10, 7}},
      {"rest shared among mins, earlier ones first",
       11,
       {Min{1}, Length{2}, Min{1}, Min{0}},
       {4, 2, 3, 2}},
      {"without a min the rest stays unused", 10, {Length{2}, Length{3}}, {2, 3}},
      {"short: lengths cut from the end",
       6,
       {Length{1}, Min{4}, Length{1}, Length{1}},
       {1, 4, 1, 0}},
      {"short: last length emptied, then the one before",
       5,
       {Length{3}, Min{1}, Length{4}},
       {3, 1, 1}},
      {"short: mins cut last, from the end", 3, {Length{2}, Min{2}, Min{2}}, {0, 2, 1}},
      {"empty area", 0, {Length{2}, Min{1}}, {0, 0}},
      {"no constraints", 5, {}, {}},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(sizes_of(split({0, 0, 7, c.extent}, Direction::Vertical, c.constraints)), c.sizes);
  }
}

TEST(Layout, PiecesFollowEachOtherFromTheStartAndSpanTheCrossDirection) {
  const Rect area{5, 2, 30, 10};
  EXPECT_EQ(split(area, Direction::Vertical, {Length{2}, Min{1}, Length{3}}),
            (std::vector<Rect>{{5, 2, 30, 2}, {5, 4, 30, 5}, {5, 9, 30, 3}}));
  EXPECT_EQ(split(area, Direction::Horizontal, {Length{4}, Min{1}, Length{6}}),
            (std::vector<Rect>{{5, 2, 4, 10}, {9, 2, 20, 10}, {29, 2, 6, 10}}));
}

TEST(Layout, PiecesStopAtTheLastCoordinate) {
  const auto pieces = split({0, 65530, 3, 5}, Direction::Vertical, {Length{3}, Min{1}});
  EXPECT_EQ(pieces, (std::vector<Rect>{{0, 65530, 3, 3}, {0, 65533, 3, 2}}));
}

}  // namespace
}  // namespace orvane::tui

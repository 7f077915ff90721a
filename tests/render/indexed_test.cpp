#include "render/indexed.hpp"

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace orvane::render {
namespace {

using Part = Indexed<int>::Part;

Part part(std::vector<int> elements) {
  return std::make_shared<const std::vector<int>>(std::move(elements));
}

std::optional<int> at(const Indexed<int>& sequence, std::size_t index) {
  const int* element = sequence.get(index);
  return element ? std::optional<int>(*element) : std::nullopt;
}

std::vector<std::optional<int>> all(const Indexed<int>& sequence, std::size_t count) {
  std::vector<std::optional<int>> out;
  for (std::size_t i = 0; i < count; ++i) out.push_back(at(sequence, i));
  return out;
}

TEST(Indexed, GetFindsElementsAcrossEmptyParts) {
  Indexed<int> sequence;
  sequence.set_parts({part({1, 2, 3}), part({}), part({4, 5}), part({})});
  EXPECT_EQ(sequence.len, 5u);
  EXPECT_EQ(sequence.starts, (std::vector<std::size_t>{0, 3, 3, 5}));
  // Index 3 is the first element of the third part, past the empty second one.
  EXPECT_EQ(all(sequence, 6), (std::vector<std::optional<int>>{1, 2, 3, 4, 5, std::nullopt}));
}

TEST(Indexed, EmptySequenceHasNothing) {
  Indexed<int> sequence;
  EXPECT_EQ(sequence.len, 0u);
  EXPECT_EQ(sequence.get(0), nullptr);
  sequence.set_parts({part({}), part({})});
  EXPECT_EQ(sequence.len, 0u);
  EXPECT_EQ(sequence.get(0), nullptr);
}

TEST(Indexed, FromMakesOnePart) {
  const Indexed<int> sequence = Indexed<int>::from({7, 8});
  EXPECT_EQ(sequence.parts.size(), 1u);
  EXPECT_EQ(all(sequence, 3), (std::vector<std::optional<int>>{7, 8, std::nullopt}));
}

TEST(Indexed, PushAppendsAPartOfOne) {
  Indexed<int> sequence = Indexed<int>::from({1, 2});
  sequence.push(3);
  sequence.push(4);
  EXPECT_EQ(sequence.parts.size(), 3u);
  EXPECT_EQ(sequence.starts, (std::vector<std::size_t>{0, 2, 3}));
  EXPECT_EQ(all(sequence, 4), (std::vector<std::optional<int>>{1, 2, 3, 4}));
}

TEST(Indexed, SetPartsKeepsTheStartsOfTheSharedPrefix) {
  const Part a = part({1, 2});
  const Part b = part({3});
  const Part c = part({4, 5, 6});
  Indexed<int> sequence;
  sequence.set_parts({a, b, c});

  // The tail changes: a longer last part and one more.
  sequence.set_parts({a, b, part({4, 5, 6, 7}), part({8})});
  EXPECT_EQ(sequence.starts, (std::vector<std::size_t>{0, 2, 3, 7}));
  EXPECT_EQ(sequence.len, 8u);
  EXPECT_EQ(all(sequence, 9),
            (std::vector<std::optional<int>>{1, 2, 3, 4, 5, 6, 7, 8, std::nullopt}));
}

TEST(Indexed, SetPartsComparesPartsByIdentity) {
  Indexed<int> sequence;
  sequence.set_parts({part({1}), part({2, 3})});
  // Equal contents in new lists: the starts are summed again from the new lengths.
  sequence.set_parts({part({1, 1, 1}), part({2, 3})});
  EXPECT_EQ(sequence.starts, (std::vector<std::size_t>{0, 3}));
  EXPECT_EQ(sequence.len, 5u);
  EXPECT_EQ(at(sequence, 3), 2);
}

TEST(Indexed, SetPartsShrinks) {
  const Part a = part({1, 2});
  Indexed<int> sequence;
  sequence.set_parts({a, part({3}), part({4})});
  sequence.set_parts({a});
  EXPECT_EQ(sequence.starts, (std::vector<std::size_t>{0}));
  EXPECT_EQ(sequence.len, 2u);
  EXPECT_EQ(sequence.get(2), nullptr);
  sequence.set_parts({});
  EXPECT_EQ(sequence.len, 0u);
  EXPECT_TRUE(sequence.starts.empty());
}

TEST(Indexed, RecountFromTakesChangesMadeInPlace) {
  Indexed<int> sequence;
  sequence.set_parts({part({1, 2}), part({3}), part({4, 5})});
  // A middle part replaced by a longer one, the last dropped, two appended.
  sequence.parts[1] = part({6, 7, 8});
  sequence.parts.pop_back();
  sequence.parts.push_back(part({}));
  sequence.parts.push_back(part({9}));
  sequence.recount_from(1);
  EXPECT_EQ(sequence.starts, (std::vector<std::size_t>{0, 2, 5, 5}));
  EXPECT_EQ(sequence.len, 6u);
  EXPECT_EQ(all(sequence, 7), (std::vector<std::optional<int>>{1, 2, 6, 7, 8, 9, std::nullopt}));
  // Dropping parts from the end.
  sequence.parts.resize(1);
  sequence.recount_from(1);
  EXPECT_EQ(sequence.starts, (std::vector<std::size_t>{0}));
  EXPECT_EQ(sequence.len, 2u);
}

}  // namespace
}  // namespace orvane::render

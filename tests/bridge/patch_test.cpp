#include "bridge/patch.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::bridge {
namespace {

// Blocks named by their ids; "a b c" is three blocks.
std::vector<Content> blocks(std::vector<std::string> ids) {
  std::vector<Content> result;
  for (std::string& id : ids) {
    Content block;
    block.id = std::move(id);
    result.push_back(std::move(block));
  }
  return result;
}

std::vector<std::string> ids(const std::vector<Content>& blocks) {
  std::vector<std::string> result;
  for (const Content& block : blocks) result.push_back(block.id);
  return result;
}

Snapshot current_snapshot() {
  Snapshot s;
  s.schema = 1;
  s.generation = 4;
  s.blocks = blocks({"a", "b", "c"});
  s.agent_page = "main";
  return s;
}

struct SpliceCase {
  std::string name;
  Snapshot incoming;
  std::optional<std::string_view> error;
  std::vector<std::string> transcript;  // the incoming blocks afterwards
};

class Splice : public testing::TestWithParam<SpliceCase> {};

TEST_P(Splice, KeepsTheHeadOrRefuses) {
  const SpliceCase& c = GetParam();
  Snapshot incoming = c.incoming;
  Snapshot current = current_snapshot();

  EXPECT_EQ(patch_error(incoming, current), c.error);
  EXPECT_EQ(restore_blocks(incoming, current), c.error);

  EXPECT_EQ(ids(incoming.blocks), c.transcript);
  if (c.error) {
    EXPECT_EQ(current, current_snapshot()) << "a refused patch must leave the current snapshot";
  } else if (c.incoming.schema == 2) {
    EXPECT_TRUE(current.blocks.empty());
  }
}

Snapshot patch(std::uint64_t from, std::vector<std::string> tail, std::uint64_t generation = 4,
               std::string page = "main") {
  Snapshot s;
  s.schema = 2;
  s.generation = generation;
  s.blocks = blocks(std::move(tail));
  s.blocks_from = from;
  s.agent_page = std::move(page);
  return s;
}

Snapshot whole(std::uint64_t from, std::vector<std::string> ids) {
  Snapshot s = patch(from, std::move(ids));
  s.schema = 1;
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Patches, Splice,
    testing::Values(
        SpliceCase{"append_at_end", patch(3, {"d"}), std::nullopt, {"a", "b", "c", "d"}},
        SpliceCase{"replace_tail", patch(1, {"x", "y"}), std::nullopt, {"a", "x", "y"}},
        SpliceCase{"cut_tail", patch(2, {}), std::nullopt, {"a", "b"}},
        SpliceCase{"replace_all", patch(0, {"x"}), std::nullopt, {"x"}},
        SpliceCase{
            "from_zero_may_cross_generation", patch(0, {"x"}, 5, "other"), std::nullopt, {"x"}},
        SpliceCase{"past_end", patch(4, {"d"}), kInvalidPatchOffset, {"d"}},
        SpliceCase{"crosses_generation", patch(3, {"d"}, 5), kPatchCrossesSessionPage, {"d"}},
        SpliceCase{
            "crosses_page", patch(3, {"d"}, 4, "sub-agent"), kPatchCrossesSessionPage, {"d"}},
        SpliceCase{"offset_checked_before_crossing", patch(9, {}, 5), kInvalidPatchOffset, {}},
        SpliceCase{"schema_1_is_whole", whole(9, {"x"}), std::nullopt, {"x"}}),
    [](const testing::TestParamInfo<SpliceCase>& info) { return info.param.name; });

TEST(RestoreBlocks, MovesTheKeptBlocksInsteadOfCopyingThem) {
  Snapshot current = current_snapshot();
  current.blocks[1].text = std::string(1000, 'x');
  const char* kept_text = current.blocks[1].text.data();
  Snapshot incoming = patch(3, {"d"});

  ASSERT_EQ(restore_blocks(incoming, current), std::nullopt);
  EXPECT_EQ(incoming.blocks[1].text.data(), kept_text);
}

TEST(RestoreBlocks, PatchOfAnEmptyTranscript) {
  Snapshot empty;
  Snapshot from_zero = patch(0, {"a"}, 0, "");
  EXPECT_EQ(restore_blocks(from_zero, empty), std::nullopt);
  EXPECT_EQ(ids(from_zero.blocks), std::vector<std::string>{"a"});

  Snapshot from_one = patch(1, {"a"}, 0, "");
  EXPECT_EQ(restore_blocks(from_one, empty), kInvalidPatchOffset);
}

}  // namespace
}  // namespace orvane::bridge

#include "render/transcript_update.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "support/line_text.hpp"

namespace orvane::render {
namespace {

using bridge::Content;
using bridge::Snapshot;

const Palette kPalette = Palette::make(false);

// A generic block: its text lines, clickable with its id.
Content note(const std::string& id, const std::string& text) {
  Content block;
  block.id = id;
  block.kind = "note";
  block.text = text;
  block.operation = bridge::json_value(R"({"open":")" + id + R"("})");
  return block;
}

Content hints(const std::string& id) {
  Content block;
  block.id = id;
  block.kind = "hints";
  block.text = "Enter\tSend\r\nEsc\tCancel\n";
  return block;
}

Snapshot transcript(std::size_t count) {
  Snapshot snapshot;
  for (std::size_t i = 0; i < count; ++i) {
    snapshot.blocks.push_back(note("b" + std::to_string(i), "block " + std::to_string(i)));
  }
  return snapshot;
}

// Blocks that lay out to nothing, for the bounds that need tens of thousands of them.
Snapshot empty_blocks(std::size_t count, const std::string& page) {
  Snapshot snapshot;
  snapshot.agent_page = page;
  snapshot.blocks.resize(count);
  for (std::size_t i = 0; i < count; ++i) snapshot.blocks[i].id = page + std::to_string(i);
  return snapshot;
}

// The transcript as drawn: each line with its styles and its click value.
std::vector<std::string> drawn(const Cache& cache) {
  const test::ColorNames names = test::color_names(kPalette);
  EXPECT_EQ(cache.actions.len, cache.lines.len);
  std::vector<std::string> out;
  for (std::size_t i = 0; i < cache.lines.len; ++i) {
    const std::optional<bridge::JsonValue>* click = cache.actions.get(i);
    out.push_back(test::line_text(*cache.lines.get(i), names) + " -> " +
                  (click && *click ? (*click)->text : "none"));
  }
  return out;
}

// The transcript a cache that never saw an earlier frame would draw.
std::vector<std::string> from_scratch(const Snapshot& snapshot, bool typed, std::uint16_t width) {
  Cache cache;
  update_transcript(cache, snapshot, typed, width, kPalette);
  return drawn(cache);
}

// The keys of the part map, sorted.
std::vector<std::string> keys(const Cache& cache) {
  std::vector<std::string> out;
  for (const auto& entry : cache.parts) out.push_back(entry.first);
  std::sort(out.begin(), out.end());
  return out;
}

class TranscriptUpdate : public testing::Test {
 protected:
  void update(const Snapshot& snapshot, bool typed = false, std::uint16_t width = 60) {
    update_transcript(cache, snapshot, typed, width, kPalette);
  }

  Cache cache;
};

TEST_F(TranscriptUpdate, FirstFrameLaysOutEveryBlockAndTheNextNone) {
  const Snapshot snapshot = transcript(3);
  update(snapshot);
  EXPECT_EQ(cache.built_blocks, 3u);
  EXPECT_EQ(drawn(cache), (std::vector<std::string>{R"(  [fg=text]block 0[] -> {"open":"b0"})",
                                                    R"(  [fg=text]block 1[] -> {"open":"b1"})",
                                                    R"(  [fg=text]block 2[] -> {"open":"b2"})"}));
  update(snapshot);
  EXPECT_EQ(cache.built_blocks, 0u);
  EXPECT_EQ(cache.update_time, std::chrono::steady_clock::duration::zero());
  EXPECT_EQ(cache.lines.len, 3u);
}

TEST_F(TranscriptUpdate, AppendingABlockLaysOutOnlyIt) {
  Snapshot snapshot = transcript(1000);
  update(snapshot);
  const auto first_part = cache.lines.parts[0];
  snapshot.blocks.push_back(note("new", "appended\nblock"));
  update(snapshot);
  EXPECT_EQ(cache.built_blocks, 1u);
  EXPECT_EQ(cache.lines.parts[0], first_part);
  EXPECT_EQ(drawn(cache), from_scratch(snapshot, false, 60));
}

TEST_F(TranscriptUpdate, EditingABlockLaysOutOnlyIt) {
  Snapshot snapshot = transcript(1000);
  update(snapshot);
  snapshot.blocks[500].text = "edited\nover two lines";
  update(snapshot);
  EXPECT_EQ(cache.built_blocks, 1u);
  EXPECT_EQ(cache.lines.len, 1001u);
  EXPECT_EQ(drawn(cache), from_scratch(snapshot, false, 60));
}

TEST_F(TranscriptUpdate, InsertingAtTheFrontLaysOutEveryBlock) {
  Snapshot snapshot = transcript(1000);
  update(snapshot);
  snapshot.blocks.insert(snapshot.blocks.begin(), note("first", "first"));
  update(snapshot);
  EXPECT_EQ(cache.built_blocks, 1001u);
  EXPECT_EQ(drawn(cache), from_scratch(snapshot, false, 60));
}

TEST_F(TranscriptUpdate, RevisionTagsDecideWhetherATaggedBlockChanged) {
  Snapshot snapshot = transcript(3);
  snapshot.blocks[1].rev = "1";
  update(snapshot);
  // The bridge vouches that the block did not change; its old lines stay.
  snapshot.blocks[1].text = "changed";
  update(snapshot);
  EXPECT_EQ(cache.built_blocks, 0u);
  EXPECT_EQ(test::plain_text(*cache.lines.get(1)), "  block 1");
  snapshot.blocks[1].rev = "2";
  update(snapshot);
  EXPECT_EQ(cache.built_blocks, 1u);
  EXPECT_EQ(test::plain_text(*cache.lines.get(1)), "  changed");
  // With the tag on one side only, the blocks are compared field by field.
  snapshot.blocks[1].rev.clear();
  update(snapshot);
  EXPECT_EQ(cache.built_blocks, 1u);
  update(snapshot);
  EXPECT_EQ(cache.built_blocks, 0u);
  snapshot.blocks[1].text = "untagged";
  update(snapshot);
  EXPECT_EQ(cache.built_blocks, 1u);
  EXPECT_EQ(drawn(cache), from_scratch(snapshot, false, 60));
}

TEST_F(TranscriptUpdate, SameIdAtTwoPositionsGetsTwoParts) {
  Snapshot snapshot;
  snapshot.blocks = {note("x", "first"), note("x", "second")};
  update(snapshot);
  EXPECT_EQ(cache.parts.size(), 2u);
  EXPECT_EQ(drawn(cache), (std::vector<std::string>{R"(  [fg=text]first[] -> {"open":"x"})",
                                                    R"(  [fg=text]second[] -> {"open":"x"})"}));
  // Swapped, each position gets the other block: neither old part fits.
  std::swap(snapshot.blocks[0], snapshot.blocks[1]);
  update(snapshot);
  EXPECT_EQ(cache.built_blocks, 2u);
  EXPECT_EQ(drawn(cache), from_scratch(snapshot, false, 60));
}

TEST_F(TranscriptUpdate, PartsOfRemovedBlocksAreDropped) {
  Snapshot snapshot = transcript(10);
  update(snapshot);
  snapshot.blocks.resize(5);
  update(snapshot);
  EXPECT_EQ(cache.built_blocks, 0u);
  EXPECT_EQ(cache.parts.size(), 5u);
  EXPECT_EQ(cache.lines.len, 5u);
}

TEST_F(TranscriptUpdate, TypingBlanksHintsAndLaysOutOnlyThem) {
  Snapshot snapshot = transcript(1000);
  snapshot.blocks[10] = hints("h1");
  snapshot.blocks.push_back(hints("h2"));
  update(snapshot);
  const std::vector<std::string> untyped = drawn(cache);

  update(snapshot, true);
  EXPECT_EQ(cache.built_blocks, 2u);
  const std::vector<std::string> typed = drawn(cache);
  EXPECT_EQ(typed, from_scratch(snapshot, true, 60));
  // The hints keep their two lines, with nothing shown on them.
  ASSERT_EQ(typed.size(), untyped.size());
  EXPECT_EQ(test::plain_text(*cache.lines.get(10)), std::string(29, ' ') + "  ");
  EXPECT_EQ(test::plain_text(*cache.lines.get(11)), std::string(29, ' ') + "  ");
  EXPECT_NE(typed[10], untyped[10]);

  update(snapshot, true);
  EXPECT_EQ(cache.built_blocks, 0u);

  update(snapshot, false);
  EXPECT_EQ(cache.built_blocks, 2u);
  EXPECT_EQ(drawn(cache), untyped);
}

TEST_F(TranscriptUpdate, HintsInsideAToolGroupDoNotDependOnTheComposer) {
  Content group;
  group.id = "g";
  group.kind = "tool_group";
  group.text = "2 tools";
  Content member;
  member.title = "Run";
  member.members = {hints("nested")};
  group.members = {member};
  Snapshot snapshot;
  snapshot.blocks = {group, hints("top")};
  update(snapshot);
  update(snapshot, true);
  EXPECT_EQ(cache.built_blocks, 1u);
  EXPECT_EQ(drawn(cache), from_scratch(snapshot, true, 60));
}

TEST_F(TranscriptUpdate, TypingWhileTheTranscriptChanges) {
  Snapshot snapshot = transcript(50);
  snapshot.blocks[0] = hints("h");
  update(snapshot);
  snapshot.blocks[20].text = "edited";
  snapshot.blocks.push_back(note("new", "new"));
  update(snapshot, true);
  EXPECT_EQ(cache.built_blocks, 3u);
  EXPECT_EQ(drawn(cache), from_scratch(snapshot, true, 60));
  snapshot.blocks.pop_back();
  update(snapshot, false);
  EXPECT_EQ(cache.built_blocks, 1u);
  EXPECT_EQ(drawn(cache), from_scratch(snapshot, false, 60));
}

TEST_F(TranscriptUpdate, TypingBlanksHintsFarFromTheEnd) {
  Snapshot snapshot = empty_blocks(16390, "");
  snapshot.blocks[1] = hints("far");
  snapshot.blocks.back() = hints("near");
  update(snapshot);
  update(snapshot, true);
  EXPECT_EQ(cache.built_blocks, 2u);
  EXPECT_EQ(drawn(cache), from_scratch(snapshot, true, 60));
  // Blocks this far from the end keep no part; the next full update lays them out again.
  snapshot.blocks.push_back(Content{});
  update(snapshot, true);
  EXPECT_EQ(cache.built_blocks, 7u);
  EXPECT_EQ(drawn(cache), from_scratch(snapshot, true, 60));
}

TEST_F(TranscriptUpdate, TypingWithoutHintsLaysOutNothing) {
  const Snapshot snapshot = transcript(100);
  update(snapshot);
  update(snapshot, true);
  EXPECT_EQ(cache.built_blocks, 0u);
  EXPECT_TRUE(cache.built_typed);
}

TEST_F(TranscriptUpdate, ResetLaysOutEverythingAgain) {
  Snapshot snapshot = transcript(20);
  snapshot.blocks[3].text = std::string(50, 'x');
  update(snapshot, false, 60);
  cache.reset();
  update(snapshot, false, 30);
  EXPECT_EQ(cache.built_blocks, 20u);
  EXPECT_EQ(cache.lines.len, 21u);
  EXPECT_EQ(drawn(cache), from_scratch(snapshot, false, 30));

  // A theme change resets without a new width.
  cache.reset();
  update(snapshot, false, 30);
  EXPECT_EQ(cache.built_blocks, 20u);
}

TEST_F(TranscriptUpdate, NewWidthLaysOutEverythingAgain) {
  const Snapshot snapshot = transcript(20);
  update(snapshot, false, 60);
  update(snapshot, false, 59);
  EXPECT_EQ(cache.built_blocks, 20u);
}

TEST_F(TranscriptUpdate, PlainLinesReplaceBlocksAndBack) {
  Snapshot blocks = transcript(3);
  update(blocks);
  const std::vector<std::string> with_blocks = drawn(cache);

  Snapshot plain;
  plain.lines = {"# Plain"};
  update(plain);
  EXPECT_EQ(cache.lines.len, 1u);
  EXPECT_EQ(cache.actions.len, 0u);
  EXPECT_EQ(test::plain_text(*cache.lines.get(0)), "# Plain");

  // The parts outlive plain mode.
  update(blocks);
  EXPECT_EQ(cache.built_blocks, 0u);
  EXPECT_EQ(drawn(cache), with_blocks);
}

TEST_F(TranscriptUpdate, EmptySnapshotClearsTheTranscript) {
  const Snapshot blocks = transcript(3);
  update(blocks);
  update(Snapshot{});
  EXPECT_EQ(cache.lines.len, 0u);
  EXPECT_EQ(cache.actions.len, 0u);
  update(blocks);
  EXPECT_EQ(cache.lines.len, 3u);
}

TEST_F(TranscriptUpdate, KeepsPartsOnlyForTheLastBlocks) {
  Snapshot snapshot = empty_blocks(16386, "");
  update(snapshot);
  EXPECT_EQ(cache.parts.size(), 16384u);
  EXPECT_FALSE(cache.parts.contains("|0:0"));
  EXPECT_FALSE(cache.parts.contains("|1:1"));
  EXPECT_TRUE(cache.parts.contains("|2:2"));

  snapshot.blocks.push_back(note("last", "last"));
  update(snapshot);
  // The two blocks without parts, and the new one.
  EXPECT_EQ(cache.built_blocks, 3u);
  EXPECT_EQ(cache.lines.len, 1u);
}

TEST_F(TranscriptUpdate, OtherPagesKeepTheirPartsWithinTheBound) {
  const Snapshot a = empty_blocks(16384, "a");
  const Snapshot b = empty_blocks(16384, "b");
  const Snapshot c = empty_blocks(1, "c");
  update(a);
  update(b);
  EXPECT_EQ(cache.built_blocks, 16384u);
  EXPECT_EQ(cache.parts.size(), 32768u);
  update(a);
  EXPECT_EQ(cache.built_blocks, 0u);
  // One more entry would pass the bound: the other pages lose theirs.
  update(c);
  EXPECT_EQ(cache.parts.size(), 1u);
  update(b);
  EXPECT_EQ(cache.built_blocks, 16384u);
}

// The loop vouches for the blocks it knows unchanged; those after them are still compared.
TEST_F(TranscriptUpdate, VouchedBlocksAreTakenAsTheyWere) {
  Snapshot snapshot = transcript(4);
  update(snapshot);
  snapshot.blocks[3].text = "edited";
  snapshot.blocks.push_back(note("new", "new"));
  update_transcript(cache, snapshot, false, 60, kPalette, 3);
  EXPECT_EQ(cache.built_blocks, 2u);
  EXPECT_EQ(drawn(cache), from_scratch(snapshot, false, 60));
}

TEST_F(TranscriptUpdate, ComingBackToAPageReusesItsParts) {
  const Snapshot conversation = transcript(3);
  Snapshot page;
  page.agent_page = "sub";
  page.blocks = {note("b0", "block 0"), note("s1", "sub-agent page")};
  update(conversation);
  update(page);
  // The page's first block equals the conversation's, at the same index, but the page
  // is part of its key.
  EXPECT_EQ(cache.built_blocks, 2u);
  EXPECT_EQ(cache.page_key, "sub");
  EXPECT_EQ(drawn(cache), from_scratch(page, false, 60));
  update(conversation);
  EXPECT_EQ(cache.built_blocks, 0u);
  EXPECT_EQ(drawn(cache), from_scratch(conversation, false, 60));
}

struct ChangeCase {
  std::string name;
  std::size_t blocks;
  std::function<void(Snapshot&)> change;
  std::uint16_t width;
  std::size_t built;
};

class TranscriptChange : public TranscriptUpdate, public testing::WithParamInterface<ChangeCase> {};

// Whatever changed, the cache ends up as one that saw only the new snapshot would be:
// the same lines and click values, and parts under the same keys.
TEST_P(TranscriptChange, EndsAsAFreshLayoutWould) {
  const ChangeCase& c = GetParam();
  Snapshot snapshot = c.blocks > 100 ? empty_blocks(c.blocks, "") : transcript(c.blocks);
  update(snapshot);
  c.change(snapshot);
  update(snapshot, false, c.width);
  EXPECT_EQ(cache.built_blocks, c.built);
  Cache fresh;
  update_transcript(fresh, snapshot, false, c.width, kPalette);
  EXPECT_EQ(drawn(cache), drawn(fresh));
  EXPECT_EQ(keys(cache), keys(fresh));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TranscriptChange,
    testing::Values(
        ChangeCase{"append", 30, [](Snapshot& s) { s.blocks.push_back(note("new", "new")); }, 60, 1},
        ChangeCase{"edit_in_the_middle", 30, [](Snapshot& s) { s.blocks[15].text = "edited"; }, 60, 1},
        ChangeCase{"new_id_at_an_index", 30, [](Snapshot& s) { s.blocks[5] = note("other", "x"); }, 60,
                   1},
        ChangeCase{"drop_the_tail", 30, [](Snapshot& s) { s.blocks.resize(27); }, 60, 0},
        ChangeCase{"drop_the_tail_and_append", 30,
                   [](Snapshot& s) {
                     s.blocks.resize(27);
                     s.blocks.push_back(note("new", "new"));
                   },
                   60, 1},
        ChangeCase{"edit_and_new_width", 30, [](Snapshot& s) { s.blocks[0].text = "edited"; }, 40, 30},
        // Blocks without a kept part are laid out again: the five coming back within
        // reach of the end and the one still out of reach.
        ChangeCase{"shrink_below_the_kept_blocks", 16390, [](Snapshot& s) { s.blocks.resize(16385); },
                   60, 6},
        // The block that falls out of reach keeps its lines but loses its part.
        ChangeCase{"grow_past_the_kept_blocks", 16384,
                   [](Snapshot& s) { s.blocks.push_back(note("new", "new")); }, 60, 1}),
    [](const testing::TestParamInfo<ChangeCase>& info) { return info.param.name; });

TEST_F(TranscriptUpdate, NewPageWithTheSameBlocksKeysThemOnItsNextChange) {
  Snapshot snapshot = transcript(3);
  update(snapshot);
  // The blocks are the same, so nothing is laid out, but the page changed.
  snapshot.agent_page = "sub";
  update(snapshot);
  EXPECT_EQ(cache.built_blocks, 0u);
  EXPECT_EQ(cache.page_key, "sub");
  // Its parts were keyed with the old page: none can be found under the new one.
  snapshot.blocks.push_back(note("new", "new"));
  update(snapshot);
  EXPECT_EQ(cache.built_blocks, 4u);
  EXPECT_TRUE(cache.parts.contains("sub|b0:0"));
  EXPECT_TRUE(cache.parts.contains("|b0:0"));
  EXPECT_EQ(drawn(cache), from_scratch(snapshot, false, 60));
}

TEST_F(TranscriptUpdate, AnEditCountsItsStalePartAgainstTheBound) {
  Snapshot a = empty_blocks(16384, "a");
  const Snapshot b = empty_blocks(16384, "b");
  update(b);
  update(a);
  EXPECT_EQ(cache.parts.size(), 32768u);
  // The stale part of the edited block and the new one together pass the bound: the
  // other page loses its parts.
  a.blocks[100].text = "edited";
  update(a);
  EXPECT_EQ(cache.built_blocks, 1u);
  EXPECT_EQ(cache.parts.size(), 16384u);
  update(b);
  EXPECT_EQ(cache.built_blocks, 16384u);
}

}  // namespace
}  // namespace orvane::render

#include "publisher.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "bridge/decode.hpp"
#include "client_view.hpp"

namespace orvane::demo {
namespace {

using testing::batches;
using testing::ClientView;

bridge::Content block(const std::string& id, const std::string& text = "") {
  bridge::Content c;
  c.id = id;
  c.kind = "markdown";
  c.text = text.empty() ? id : text;
  return c;
}

bridge::Snapshot decoded(const std::string& line) {
  auto result = bridge::decode_snapshot(line);
  EXPECT_TRUE(std::holds_alternative<bridge::Snapshot>(result)) << line;
  return std::get<bridge::Snapshot>(std::move(result));
}

struct Framed {
  std::uint32_t schema;
  std::uint64_t blocks_from;
  std::size_t blocks;
};

Framed framing(const std::string& line) {
  const bridge::Snapshot s = decoded(line);
  return {s.schema, s.blocks_from, s.blocks.size()};
}

TEST(Publisher, ChoosesTheLineByWhatChanged) {
  Publisher publisher;
  bridge::Snapshot state;
  state.generation = 1;
  Transcript transcript;
  transcript.append(block("a"));
  transcript.append(block("b"));

  auto first = framing(publisher.line(state, transcript));
  EXPECT_EQ(first.schema, 1u) << "the first line is complete";
  EXPECT_EQ(first.blocks, 2u);

  state.title = "only the title changed";
  auto same = framing(publisher.line(state, transcript));
  EXPECT_EQ(same.schema, 1u) << "a small unchanged transcript goes out whole, so the client may skip it";

  transcript.append(block("c"));
  auto unsettled = framing(publisher.line(state, transcript));
  EXPECT_EQ(unsettled.schema, 2u);
  EXPECT_EQ(unsettled.blocks_from, 0u) << "the client may have skipped every line so far";
  EXPECT_EQ(unsettled.blocks, 3u);

  transcript.append(block("d"));
  auto appended = framing(publisher.line(state, transcript));
  EXPECT_EQ(appended.schema, 2u);
  EXPECT_EQ(appended.blocks_from, 3u);
  EXPECT_EQ(appended.blocks, 1u);

  transcript.edit(1).text = "b edited";
  auto middle = framing(publisher.line(state, transcript));
  EXPECT_EQ(middle.schema, 2u);
  EXPECT_EQ(middle.blocks_from, 1u);
  EXPECT_EQ(middle.blocks, 3u);

  transcript.edit(0).text = "a edited";
  auto head = framing(publisher.line(state, transcript));
  EXPECT_EQ(head.schema, 1u) << "nothing to keep: a complete snapshot";

  state.generation = 2;
  transcript.append(block("e"));
  auto generation = framing(publisher.line(state, transcript));
  EXPECT_EQ(generation.schema, 1u) << "a patch may not cross generations";

  state.agent_page = "page";
  auto page = framing(publisher.line(state, transcript));
  EXPECT_EQ(page.schema, 1u) << "nor pages";
}

TEST(Publisher, AfterALineTheClientMaySkipThePatchKeepsOnlyTheSettledHead) {
  Publisher publisher;
  bridge::Snapshot state;
  Transcript transcript;
  transcript.append(block("a"));
  transcript.append(block("b"));
  const std::string one = publisher.line(state, transcript);
  transcript.edit(0).text = "a edited";  // complete, skippable
  const std::string two = publisher.line(state, transcript);
  transcript.append(block("c"));
  const std::string three = publisher.line(state, transcript);

  // The client reads one, then gets two and three together and skips two.
  ClientView client;
  ASSERT_TRUE(client.apply({one}));
  ASSERT_TRUE(client.apply({two, three}));
  EXPECT_EQ(client.skipped, 1u);
  EXPECT_EQ(client.current.blocks, transcript.blocks());
  EXPECT_EQ(framing(three).blocks_from, 0u) << "a full replacement the client cannot skip";
}

TEST(Publisher, ALongUnchangedTranscriptIsNotRepeated) {
  Publisher publisher;
  bridge::Snapshot state;
  Transcript transcript;
  for (std::size_t i = 0; i <= kCompleteSnapshotBlocks; ++i) transcript.append(block("b" + std::to_string(i)));
  publisher.line(state, transcript);
  transcript.append(block("tail"));
  publisher.line(state, transcript);
  state.status = "idle";
  const Framed unchanged = framing(publisher.line(state, transcript));
  EXPECT_EQ(unchanged.schema, 2u);
  EXPECT_EQ(unchanged.blocks_from, transcript.size());
  EXPECT_EQ(unchanged.blocks, 0u);
}

// Random edits of every kind, sent line by line; whatever batches the client reads them in,
// it ends each batch holding exactly what the last line of the batch described.
TEST(Publisher, EveryBatchingOfRandomChangesLeavesTheClientWithTheSentTranscript) {
  std::mt19937 random(7);
  Publisher publisher;
  bridge::Snapshot state;
  state.generation = 1;
  Transcript transcript;
  std::vector<std::string> lines;
  std::vector<std::vector<bridge::Content>> sent;
  std::vector<bridge::Snapshot> states;
  for (int step = 0; step < 600; ++step) {
    const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    const std::string n = std::to_string(step);
    switch (pick(9)) {
      case 0:
      case 1:
        transcript.append(block("b" + n));
        break;
      case 2:
        if (transcript.size() > 0) transcript.edit(transcript.size() - 1).text += " more";
        break;
      case 3:
        if (transcript.size() > 0) transcript.edit(pick(transcript.size())).text = "edited " + n;
        break;
      case 4:
        state.title = "title " + n;
        break;
      case 5:
        if (pick(4) == 0) {
          ++state.generation;
          transcript.assign({block("fresh" + n)});
        }
        break;
      case 6:
        if (pick(3) == 0) state.agent_page = state.agent_page.empty() ? "page" : "";
        break;
      case 7:
        state.restore = pick(3) == 0 ? "restored " + n : "";
        break;
      default:
        if (pick(6) == 0) transcript.assign({});
        break;
    }
    lines.push_back(publisher.line(state, transcript));
    sent.push_back(transcript.blocks());
    states.push_back(state);
    state.restore.clear();
  }

  const std::vector<std::vector<std::size_t>> patterns = {{1}, {2}, {3}, {5}, {1, 2}, {2, 1, 3}, {4, 1}, {7, 2, 1}};
  for (const auto& pattern : patterns) {
    ClientView client;
    std::size_t last = 0;
    for (const auto& batch : batches(lines, pattern)) {
      ASSERT_TRUE(client.apply(batch));
      last += batch.size();
      ASSERT_EQ(client.current.blocks, sent[last - 1]) << "after line " << last;
      ASSERT_EQ(client.current.generation, states[last - 1].generation);
      ASSERT_EQ(client.current.title, states[last - 1].title);
    }
  }
}

}  // namespace
}  // namespace orvane::demo

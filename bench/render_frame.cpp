// Drawing whole frames over a long transcript: 10 000 mixed blocks on a 200x60 screen.
// The figures that count are the frames the user waits for while working: nothing
// changed (a spinner tick), one block appended or edited (the bridge streaming), the
// first character typed into an empty composer, and the frame after a resize, which
// lays out everything again.
//
// Each case runs over blocks that carry revision tags, as the bridge sends them, and over
// untagged blocks, which are compared field by field. As in the client, drawing is told
// which leading blocks are the very ones of the last frame: all of them when no line
// arrived, those before the splice of a transcript patch.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "bridge/snapshot.hpp"
#include "editor/editor.hpp"
#include "render/cache.hpp"
#include "render/draw.hpp"
#include "tui/buffer.hpp"
#include "tui/frame.hpp"
#include "transcript_blocks.hpp"

namespace {

using orvane::bridge::Content;
using orvane::bridge::Snapshot;
using namespace orvane::bench;

constexpr std::size_t kBlocks = 10'000;
constexpr std::uint16_t kWidth = 200;
constexpr std::uint16_t kHeight = 60;

Content hints() {
  Content block;
  block.kind = "hints";
  block.text = "Enter\tSend\nEsc\tCancel\nCtrl+O\tOptions";
  return block;
}

Content block_at(Words& words, std::size_t i, bool tagged) {
  Content block;
  switch (i % 10) {
    case 0:
    case 1:
    case 2:
      block = markdown_answer(words);
      break;
    case 3:
    case 4:
    case 5:
      block = tool_group(words, i);
      break;
    case 6:
    case 7:
      block = diff(words);
      break;
    case 8:
      block = user_message(words, i);
      break;
    default:
      block = i % 1000 == 999 ? hints() : user_message(words, i);
      break;
  }
  block.id = "block-" + std::to_string(i);
  if (tagged) block.rev = "1";
  block.operation = click(i);
  return block;
}

Snapshot transcript(bool tagged) {
  Words words;
  Snapshot snapshot;
  snapshot.agent = "build";
  snapshot.model = "claude";
  snapshot.provider = "anthropic";
  snapshot.context_label = "12k tokens · 6%";
  snapshot.context_window = 200'000;
  snapshot.context_used = 12'000;
  snapshot.blocks.reserve(kBlocks + 100'000);
  for (std::size_t i = 0; i < kBlocks; ++i) snapshot.blocks.push_back(block_at(words, i, tagged));
  return snapshot;
}

// What drawing needs besides the snapshot and the cache.
struct Screen {
  orvane::editor::Editor composer, form, answer;
  orvane::tui::Buffer buffer{{0, 0, kWidth, kHeight}};
  orvane::render::Cache cache;

  void draw(const Snapshot& snapshot, std::size_t blocks_as_drawn, std::uint16_t width = kWidth) {
    buffer.reset({0, 0, width, kHeight});
    orvane::tui::Frame frame{buffer, buffer.area(), {}};
    orvane::render::View view{composer, form, answer, {}};
    view.blocks_as_drawn = blocks_as_drawn;
    benchmark::DoNotOptimize(orvane::render::draw(frame, snapshot, view, cache));
  }
};

void report(benchmark::State& state, const Screen& screen) {
  state.counters["lines"] = static_cast<double>(screen.cache.lines.len);
}

void BM_Unchanged(benchmark::State& state, bool tagged) {
  const Snapshot snapshot = transcript(tagged);
  Screen screen;
  screen.draw(snapshot, 0);
  for (auto _ : state) screen.draw(snapshot, kBlocks);
  report(state, screen);
}

// Every frame follows the arrival of one more block, as while an answer streams in.
void BM_Appended(benchmark::State& state, bool tagged) {
  Snapshot snapshot = transcript(tagged);
  Screen screen;
  screen.draw(snapshot, 0);
  Words words;
  std::size_t next = kBlocks;
  for (auto _ : state) {
    state.PauseTiming();
    snapshot.blocks.push_back(block_at(words, next++, tagged));
    state.ResumeTiming();
    screen.draw(snapshot, snapshot.blocks.size() - 1);
  }
  report(state, screen);
}

// Every frame follows a change of the block in the middle of the transcript.
void BM_Edited(benchmark::State& state, bool tagged) {
  Snapshot snapshot = transcript(tagged);
  Screen screen;
  screen.draw(snapshot, 0);
  Content& block = snapshot.blocks[kBlocks / 2];
  std::size_t edits = 0;
  for (auto _ : state) {
    state.PauseTiming();
    block.text = "edited " + std::to_string(++edits);
    if (tagged) block.rev = std::to_string(edits + 1);
    state.ResumeTiming();
    screen.draw(snapshot, kBlocks / 2);
  }
  report(state, screen);
}

// The frame after the first key typed into an empty composer, which blanks the hints.
void BM_FirstCharacter(benchmark::State& state, bool tagged) {
  const Snapshot snapshot = transcript(tagged);
  Screen screen;
  for (auto _ : state) {
    state.PauseTiming();
    screen.composer.text.clear();
    screen.composer.cursor = 0;
    screen.draw(snapshot, kBlocks);
    screen.composer.text.assign(1, 'h');
    screen.composer.cursor = 1;
    state.ResumeTiming();
    screen.draw(snapshot, kBlocks);
  }
  report(state, screen);
}

// The frame after the terminal was resized: every block is laid out at the new width.
void BM_Resized(benchmark::State& state, bool tagged) {
  const Snapshot snapshot = transcript(tagged);
  Screen screen;
  std::uint16_t width = kWidth;
  for (auto _ : state) {
    width = width == kWidth ? kWidth - 1 : kWidth;
    screen.cache.reset();
    screen.draw(snapshot, kBlocks, width);
  }
  report(state, screen);
}

BENCHMARK_CAPTURE(BM_Unchanged, tagged, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Unchanged, untagged, false)->Unit(benchmark::kMicrosecond);
// A fixed count keeps the transcript near 10 000 blocks as it grows.
BENCHMARK_CAPTURE(BM_Appended, tagged, true)->Unit(benchmark::kMicrosecond)->Iterations(2000);
BENCHMARK_CAPTURE(BM_Appended, untagged, false)->Unit(benchmark::kMicrosecond)->Iterations(2000);
BENCHMARK_CAPTURE(BM_Edited, tagged, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Edited, untagged, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FirstCharacter, tagged, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FirstCharacter, untagged, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Resized, tagged, true)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

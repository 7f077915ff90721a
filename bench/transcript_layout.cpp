// Laying out a whole transcript from scratch, as after a resize: 10 000 mixed blocks,
// about 5 MB of text (markdown answers with code and tables, tool groups with members
// and output, diffs, user messages), at 120 columns.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "bridge/snapshot.hpp"
#include "transcript_blocks.hpp"
#include "render/palette.hpp"
#include "transcript/build.hpp"

namespace {

using orvane::bridge::Content;
using orvane::bridge::DiffRow;
using namespace orvane::bench;

constexpr std::size_t kBlocks = 10'000;
constexpr std::uint16_t kWidth = 120;

std::vector<Content> transcript() {
  Words words;
  std::vector<Content> blocks;
  blocks.reserve(kBlocks);
  for (std::size_t i = 0; i < kBlocks; ++i) {
    Content block;
    switch (i % 10) {
      case 0:
      case 1:
      case 2:
      case 3:
        block = markdown_answer(words);
        break;
      case 4:
      case 5:
      case 6:
        block = tool_group(words, i);
        break;
      case 7:
      case 8:
        block = diff(words);
        break;
      default:
        block = user_message(words, i);
        break;
    }
    block.operation = click(i);
    blocks.push_back(std::move(block));
  }
  return blocks;
}

std::size_t text_bytes(const Content& block) {
  std::size_t bytes = block.title.size() + block.text.size() + block.detail.size();
  for (const DiffRow& row : block.diff_rows) bytes += row.left_text.size() + row.right_text.size();
  for (const Content& member : block.members) bytes += text_bytes(member);
  return bytes;
}

// Lays out the blocks of the transcript whose kind is `kind` (all when empty) into
// fresh line lists, as the render cache does after a resize.
void BM_Layout(benchmark::State& state, std::string_view kind) {
  std::vector<Content> blocks = transcript();
  if (!kind.empty()) std::erase_if(blocks, [&](const Content& b) { return b.kind != kind; });
  const orvane::render::Palette palette = orvane::render::Palette::make(false);
  std::size_t bytes = 0;
  for (const Content& block : blocks) bytes += text_bytes(block);

  std::size_t lines = 0;
  for (auto _ : state) {
    std::vector<std::vector<orvane::transcript::TranscriptLine>> laid_out;
    laid_out.reserve(blocks.size());
    for (const Content& block : blocks) {
      laid_out.push_back(orvane::transcript::build(block, kWidth, palette));
    }
    lines = 0;
    for (const auto& block_lines : laid_out) lines += block_lines.size();
    benchmark::DoNotOptimize(laid_out.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * blocks.size()));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  state.counters["blocks"] = static_cast<double>(blocks.size());
  state.counters["text_MB"] = static_cast<double>(bytes) / 1e6;
  state.counters["lines"] = static_cast<double>(lines);
}
// The whole transcript is the figure that counts; the kinds show where its time goes.
BENCHMARK_CAPTURE(BM_Layout, whole_transcript, "")->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK_CAPTURE(BM_Layout, markdown, "markdown")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Layout, tool_group, "tool_group")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Layout, diff, "diff")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Layout, user, "user")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

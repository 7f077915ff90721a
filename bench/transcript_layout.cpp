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
#include "render/palette.hpp"
#include "transcript/build.hpp"

namespace {

using orvane::bridge::Content;
using orvane::bridge::DiffRow;
using orvane::bridge::JsonValue;

constexpr std::size_t kBlocks = 10'000;
constexpr std::uint16_t kWidth = 120;

// Deterministic prose: the same transcript on every run.
class Words {
 public:
  std::string sentence(std::size_t words) {
    static const char* const kWords[] = {
        "the",    "transcript", "builder",  "wraps",  "each",   "block",   "to",
        "width",  "columns",    "of",       "styled", "text",   "and",     "returns",
        "lines",  "function",   "value",    "render", "cache",  "spinner", "diff",
        "member", "output",     "markdown", "table",  "parser", "event",   "terminal",
        "über",   "naïve",      "café",     "日本語", "résumé", "a",       "is"};
    std::string out;
    for (std::size_t i = 0; i < words; ++i) {
      if (i) out += ' ';
      out += kWords[next() % std::size(kWords)];
    }
    return out;
  }

  std::uint32_t next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }

 private:
  std::uint32_t state_ = 12345;
};

JsonValue click(std::size_t i) {
  return JsonValue{R"({"id":"block-)" + std::to_string(i) + R"(","type":"open"})"};
}

Content markdown_answer(Words& words) {
  Content block;
  block.kind = "markdown";
  block.gap = 1;
  std::string& t = block.text;
  t += "## " + words.sentence(5) + "\n\n";
  t += words.sentence(10) + " **" + words.sentence(3) + "** and `code` " + words.sentence(6) +
       "\n\n";
  t +=
      "- " + words.sentence(6) + "\n- " + words.sentence(5) + "\n  - " + words.sentence(4) + "\n\n";
  t += "```cpp\n";
  for (int i = 0; i < 3; ++i) t += "    auto " + words.sentence(3) + " = compute(x, y);\n";
  t += "```\n\n";
  t += "| name | value | note |\n|---|---|---|\n";
  for (int i = 0; i < 2; ++i) {
    t += "| " + words.sentence(2) + " | " + std::to_string(words.next() % 1000) + " | " +
         words.sentence(3) + " |\n";
  }
  t += "\n> " + words.sentence(6) + "\n\n" + words.sentence(8) + " [link](https://example.com/" +
       words.sentence(1) + ")\n";
  return block;
}

Content tool_group(Words& words, std::size_t i) {
  Content block;
  block.kind = "tool_group";
  block.gap = 1;
  block.text = "Ran " + words.sentence(4);
  block.count = 3;
  block.status = i % 50 == 0 ? "running" : "done";
  for (int m = 0; m < 3; ++m) {
    Content member;
    member.kind = "tool";
    member.title = m == 0 ? "Read" : m == 1 ? "Bash" : "Grep";
    member.text = "src/" + words.sentence(2) + ".cpp";
    member.operation = click(i * 10 + m);
    member.detail = "  exit: 0\n  duration: 12ms\n";
    for (int l = 0; l < 2; ++l) member.detail += words.sentence(7) + "\n";
    member.detail += "    " + words.sentence(4) + "\n";
    block.members.push_back(std::move(member));
  }
  return block;
}

Content diff(Words& words) {
  Content block;
  block.kind = "diff";
  block.gap = 1;
  block.title = "src/" + words.sentence(2) + ".cpp";
  block.added = 6;
  block.removed = 4;
  for (std::uint32_t r = 1; r <= 5; ++r) {
    const char* kinds[] = {"", "del", "add", "change"};
    block.diff_rows.push_back(DiffRow{r + 100, "  " + words.sentence(5), r + 102,
                                      "  " + words.sentence(5), kinds[r % 4]});
  }
  block.diff_rows.push_back(DiffRow{0, "", 0, "", "sep"});
  return block;
}

Content user_message(Words& words, std::size_t i) {
  Content block;
  block.kind = "user";
  block.gap = 1;
  block.title = words.sentence(8);
  block.text = words.sentence(15) + "\n" + words.sentence(8);
  block.number = static_cast<std::uint32_t>(i);
  if (i % 7 == 0) block.chips = {"notes.md", "screenshot.png"};
  return block;
}

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

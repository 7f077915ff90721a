// Snapshot intake under load. A burst of full snapshots is coalesced, so taking it in
// should cost about one decode instead of fifty; a schema-2 patch that appends one block
// to a long transcript should cost about what decoding that one block costs.

#include "app/intake.hpp"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <variant>

#include "app/channel.hpp"
#include "app/state.hpp"
#include "bridge/decode.hpp"
#include "input/outbox.hpp"

namespace {

using orvane::app::Channel;
using orvane::app::Clock;
using orvane::app::LoopState;
using orvane::bridge::decode_snapshot;

constexpr int kBurst = 50;
constexpr std::size_t kBurstLineBytes = 1024 * 1024;
constexpr int kTranscriptBlocks = 10'000;

class NullOutbox final : public orvane::input::Outbox {
 public:
  std::error_code write_line(std::string_view) override { return {}; }
};

std::string block(int i) {
  const std::string n = std::to_string(i);
  return R"({"id":"block-)" + n + R"(","kind":"markdown","rev":"r)" + n +
         R"(","gap":1,"text":"Paragraph )" + n +
         R"(: the parser keeps `numbers` exactly as written, and the \"quoted\" parts stay )"
         R"(intact while the text wraps across several terminal lines.\n\nA second paragraph )"
         R"(follows with a [link](https://example.com) and **bold** words.","operation":)"
         R"({"type":"open","id":)" +
         n + "}}";
}

// Lines as the reader hands them over: with spare capacity, so the decoder parses them
// in place.
std::string padded(std::string line) {
  line.reserve(line.size() + orvane::bridge::kLinePadding);
  return line;
}

// A complete snapshot of about `bytes` bytes without text for the composer, with the
// keys in the order the bridge declares them.
std::string full_snapshot(std::size_t bytes, int revision) {
  std::string line = R"({"schema":1,"revision":)" + std::to_string(revision) +
                     R"(,"generation":1,"title":"Burst","status":"idle","blocks":[)";
  for (int i = 0; line.size() < bytes; ++i) {
    if (i > 0) line += ',';
    line += block(i);
  }
  line += R"(],"restore":"","insert":"","history":[],"agent":"build","theme":"dark"})";
  return padded(std::move(line));
}

Channel::Drained burst() {
  Channel::Drained drained;
  for (int i = 0; i < kBurst; ++i) {
    drained.lines.push_back({full_snapshot(kBurstLineBytes, i + 1), Clock::now()});
  }
  return drained;
}

void BM_BurstIntake(benchmark::State& bench) {
  const Channel::Drained drained = burst();
  LoopState state(Clock::now());
  NullOutbox outbox;
  for (auto _ : bench) {
    const orvane::app::Intake result = orvane::app::intake(state, drained, outbox);
    if (result.error) bench.SkipWithError(result.error->message.c_str());
    benchmark::DoNotOptimize(state.snapshot);
  }
  bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations()) * kBurst *
                          static_cast<std::int64_t>(kBurstLineBytes));
}
BENCHMARK(BM_BurstIntake)->Unit(benchmark::kMillisecond);

void BM_BurstDecodeAll(benchmark::State& bench) {
  const Channel::Drained drained = burst();
  for (auto _ : bench) {
    for (const auto& line : drained.lines) {
      auto decoded = decode_snapshot(line.text);
      if (decoded.index() != 0) bench.SkipWithError("decoding failed");
      benchmark::DoNotOptimize(decoded);
    }
  }
  bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations()) * kBurst *
                          static_cast<std::int64_t>(kBurstLineBytes));
}
BENCHMARK(BM_BurstDecodeAll)->Unit(benchmark::kMillisecond);

std::string transcript_line() {
  std::string line = R"({"schema":1,"revision":1,"generation":1,"blocks":[)";
  for (int i = 0; i < kTranscriptBlocks; ++i) {
    if (i > 0) line += ',';
    line += block(i);
  }
  return padded(line + "]}");
}

// Appends one block; applied again and again it keeps replacing that last block.
std::string patch_line() {
  return padded(R"({"schema":2,"revision":1,"generation":1,"blocks_from":)" +
                std::to_string(kTranscriptBlocks) + R"(,"blocks":[)" + block(kTranscriptBlocks) +
                "]}");
}

void BM_PatchIntake(benchmark::State& bench) {
  LoopState state(Clock::now());
  NullOutbox outbox;
  Channel::Drained transcript;
  transcript.lines.push_back({transcript_line(), Clock::now()});
  if (orvane::app::intake(state, transcript, outbox).error) {
    bench.SkipWithError("transcript refused");
    return;
  }
  Channel::Drained patch;
  patch.lines.push_back({patch_line(), Clock::now()});
  for (auto _ : bench) {
    const orvane::app::Intake result = orvane::app::intake(state, patch, outbox);
    if (result.error) bench.SkipWithError(result.error->message.c_str());
  }
  if (state.snapshot.blocks.size() != static_cast<std::size_t>(kTranscriptBlocks) + 1) {
    bench.SkipWithError("not appended");
  }
}
BENCHMARK(BM_PatchIntake)->Unit(benchmark::kMicrosecond);

void BM_PatchDecodeOnly(benchmark::State& bench) {
  const std::string line = patch_line();
  for (auto _ : bench) {
    auto decoded = decode_snapshot(line);
    benchmark::DoNotOptimize(decoded);
  }
}
BENCHMARK(BM_PatchDecodeOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

// Typed decoding of a large snapshot line against a bare simdjson DOM parse
// of the same bytes; typed decoding should keep at least half the speed.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <simdjson.h>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <string>
#include <variant>

#include "bridge/decode.hpp"

namespace {

using orvane::bridge::decode_snapshot;
using orvane::bridge::Snapshot;

constexpr const char* kKinds[] = {"user",    "diff",    "tool",           "tool_group", "thought",
                                  "agent",   "context", "context_header", "collapsed",  "markdown",
                                  "summary", "hints",   "error"};

// Paragraphs of markdown with the odd escape, as agent and tool texts carry.
std::string prose(int block, int paragraphs) {
  std::string text;
  for (int p = 0; p < paragraphs; ++p) {
    text += "Paragraph " + std::to_string(p) + " of block " + std::to_string(block) +
            ": the parser now keeps `numbers` exactly as written, and the \\\"quoted\\\" "
            "parts stay intact while the surrounding text wraps across several terminal "
            "lines.\\n\\n";
  }
  return text;
}

// A block of the given kind, filled the way the bridge fills that kind.
std::string block(int i) {
  const std::string n = std::to_string(i);
  const std::string kind = kKinds[i % std::size(kKinds)];
  std::string fields = R"("id":"block-)" + n + R"(","kind":")" + kind + R"(","title":"Block )" + n +
                       R"(","rev":"r)" + n + R"(","gap":1,"color":"$ov-blue",)" +
                       R"("operation":{"type":"open","id":)" + n + R"(,"scale":1.0})";
  if (kind == "diff") {
    fields += R"(,"path":"src/module/file)" + n + R"(.cpp","added":30,"removed":30,"diff_rows":[)";
    for (int r = 0; r < 30; ++r) {
      const std::string left = std::to_string(100 + r);
      const std::string right = std::to_string(101 + r);
      if (r > 0) fields += ",";
      fields += "[" + left + ",\"    const auto value = compute(input, " + left + ");\"," + right +
                ",\"    const auto value = compute_faster(input, " + right + ");\",\"change\"]";
    }
    fields += "]";
  } else if (kind == "tool_group") {
    fields += R"(,"count":6,"failures":1,"batch_glyph":"┌","members":[)";
    for (int m = 0; m < 6; ++m) {
      if (m > 0) fields += ",";
      fields += R"({"id":"m)" + n + "-" + std::to_string(m) +
                R"(","kind":"tool","title":"Run tests","status":"running",)" +
                R"("detail":"12 passed","text":")" + prose(i, 1) +
                R"(","output_operation":{"type":"output","member":)" + std::to_string(m) + "}}";
    }
    fields += "]";
  } else if (kind == "user") {
    fields += R"(,"number":)" + n + R"(,"collapsed":true,"chips":["image.png","notes.txt"],)" +
              R"("chip_operation":["chips",)" + n + R"(],"text":")" + prose(i, 3) + "\"";
  } else {
    fields += R"(,"status":"running","detail":"4.2s","text":")" + prose(i, 28) + "\"";
  }
  return "{" + fields + "}";
}

std::string large_line() {
  std::string line =
      R"({"schema":1,"revision":99,"generation":3,"title":"Large session","status":"working",)";
  line += R"("blocks":[)";
  for (int i = 0; i < 2000; ++i) {
    if (i > 0) line += ",";
    line += block(i);
  }
  line += R"(],"sessions":[)";
  for (int i = 0; i < 200; ++i) {
    if (i > 0) line += ",";
    line += R"({"group":"Today","id":"s)" + std::to_string(i) +
            R"(","title":"Session","workspace":"/w",)" +
            R"("state":"idle","status":"done","sub":"3 messages","active":false})";
  }
  line +=
      R"(],"items":[{"label":"Open","command":"/open","operation":{"a":[1,2,3]},"group":"g"}],)";
  line += R"("prompt":{"kind":"permission","id":"p","lines":["Run?"],"choices":[)";
  line += R"({"label":"Yes","value":"y","key":"y","disabled":false}]},)";
  line +=
      R"("details_panel":{"tab":"Files","files":[{"path":"a.cpp","added":1,"removed":2,"diff":["+a","-b"]}],)";
  line += R"("mcp":[["success","git","ready"]],"session":[["Model","large"]]},)";
  line += R"("nav":{"items":[["Heading","h",true],["Entry","e",false]],"selected":1},)";
  line += R"("history":["first","second"],"voice_level":0.5})";
  return line;
}

// As the reader hands lines over: with spare capacity for the parser's padding.
const std::string& line() {
  static const std::string text = [] {
    std::string built = large_line();
    built.reserve(built.size() + orvane::bridge::kLinePadding);
    return built;
  }();
  return text;
}

// The same bytes without spare capacity, which costs one copy.
const std::string& tight_line() {
  static const std::string text = large_line();
  return text;
}

// CPU time of this thread: the machine may be shared, and waiting for a core
// is no part of either parse.
double cpu_seconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

long rss_kib() {
  std::ifstream status("/proc/self/status");
  std::string word;
  while (status >> word) {
    if (word == "VmRSS:") {
      long kib = 0;
      status >> kib;
      return kib;
    }
  }
  return 0;
}

void BM_BareDomParse(benchmark::State& state) {
  const simdjson::padded_string padded(line());
  simdjson::dom::parser parser;
  for (auto _ : state) {
    simdjson::dom::element root;
    if (parser.parse(padded).get(root)) state.SkipWithError("parse failed");
    benchmark::DoNotOptimize(root);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * line().size()));
}
BENCHMARK(BM_BareDomParse)->Unit(benchmark::kMillisecond);

// Each snapshot is kept until the next one is decoded, as intake does; the
// time includes releasing the one before.
void BM_TypedDecode(benchmark::State& state) {
  std::variant<Snapshot, orvane::bridge::DecodeError> current;
  for (auto _ : state) {
    auto result = decode_snapshot(line());
    if (!std::holds_alternative<Snapshot>(result)) state.SkipWithError("decode failed");
    benchmark::DoNotOptimize(result);
    current = std::move(result);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * line().size()));
  state.counters["line_MB"] = static_cast<double>(line().size()) / 1e6;
}
BENCHMARK(BM_TypedDecode)->Unit(benchmark::kMillisecond);

// Both in the same loop, so that the ratio compares like with like. As in
// intake, each decoded snapshot is kept until the next one has been decoded,
// and freeing it is left out of the time. The ratio compares the fastest
// round of each, which is robust to the other work of a shared machine.
// Argument 1 decodes the tight line.
void BM_TypedVersusDom(benchmark::State& state) {
  const std::string& text = state.range(0) == 0 ? line() : tight_line();
  const simdjson::padded_string padded(text);
  simdjson::dom::parser parser;
  double dom_seconds = 1e9;
  double typed_seconds = 1e9;
  std::variant<Snapshot, orvane::bridge::DecodeError> current;
  for (auto _ : state) {
    double start = cpu_seconds();
    simdjson::dom::element root;
    if (parser.parse(padded).get(root)) state.SkipWithError("parse failed");
    benchmark::DoNotOptimize(root);
    dom_seconds = std::min(dom_seconds, cpu_seconds() - start);

    start = cpu_seconds();
    auto result = decode_snapshot(text);
    benchmark::DoNotOptimize(result);
    typed_seconds = std::min(typed_seconds, cpu_seconds() - start);
    current = std::move(result);
  }
  const double bytes = static_cast<double>(text.size());
  state.counters["dom_MB_per_s"] = bytes / dom_seconds / 1e6;
  state.counters["typed_MB_per_s"] = bytes / typed_seconds / 1e6;
  state.counters["typed_over_dom_speed"] = dom_seconds / typed_seconds;
}
BENCHMARK(BM_TypedVersusDom)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

std::size_t heap_bytes() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;  // small blocks and mapped ones
}

// What holding one decoded snapshot of the line costs, the parser's own
// buffers excluded (they are warmed up by a first decode).
void BM_HeldSnapshotMemory(benchmark::State& state) {
  { auto warm = decode_snapshot(line()); }
  malloc_trim(0);
  double heap_mb = 0;
  double rss_mb = 0;
  for (auto _ : state) {
    const std::size_t heap_before = heap_bytes();
    const long rss_before = rss_kib();
    auto result = decode_snapshot(line());
    heap_mb = static_cast<double>(heap_bytes() - heap_before) / 1e6;
    rss_mb = static_cast<double>(rss_kib() - rss_before) / 1e3;
    benchmark::DoNotOptimize(result);
  }
  state.counters["snapshot_heap_MB"] = heap_mb;
  state.counters["rss_growth_MB"] = rss_mb;
}
BENCHMARK(BM_HeldSnapshotMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();

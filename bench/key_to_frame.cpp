// Key to frame in the real client: a Release client in a pseudo-terminal holds a
// 10 000-block transcript while a few hundred characters are typed into its composer, one
// at a time. The client's own timing trace measures each key from its arrival to the
// flushed frame; its "key→frame" percentiles are reported as counters (milliseconds).

#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "support/pty_client.hpp"

namespace {

constexpr int kBlocks = 10'000;
constexpr int kKeys = 300;

std::string block(int i) {
  const std::string n = std::to_string(i);
  const std::string head = R"({"id":"b)" + n + R"(","rev":"1","gap":1,)";
  switch (i % 4) {
    case 0:
      return head + R"("kind":"user","number":)" + n + R"(,"text":"Please look at item )" + n +
             R"( and tell me what the function returns."})";
    case 1:
      return head + R"("kind":"markdown","text":"## Answer )" + n +
             R"(\n\nThe function returns **the value** of `item` after wrapping it across )"
             R"(several lines of the terminal, and a [link](https://example.com).\n\n- one\n- two\n"})";
    case 2:
      return head + R"("kind":"tool","title":"Read","detail":"src/file)" + n +
             R"(.cpp","status":"done","text":"read 120 lines"})";
    default:
      return head + R"("kind":"thought","text":"Thinking about step )" + n +
             R"( of the plan before answering."})";
  }
}

std::string transcript_snapshot() {
  std::string line = R"({"schema":1,"revision":1,"generation":1,"restore":"","insert":"","blocks":[)";
  for (int i = 0; i < kBlocks; ++i) {
    if (i) line += ',';
    line += block(i);
  }
  return line + "]}\n";
}

// The percentile `name` ("p50", "p95") of the "key→frame" line of a trace report, in ms.
std::optional<double> percentile(const std::string& report, const std::string& name) {
  const std::size_t line = report.find("key\u2192frame:");
  if (line == std::string::npos) return std::nullopt;
  const std::size_t at = report.find(name + " ", line);
  if (at == std::string::npos) return std::nullopt;
  return std::stod(report.substr(at + name.size() + 1));
}

void BM_KeyToFrame(benchmark::State& state) {
  char directory[] = "/tmp/orvane-bench-XXXXXX";
  if (!mkdtemp(directory)) {
    state.SkipWithError("cannot make a directory for the trace report");
    return;
  }
  const std::string report_path = std::string(directory) + "/trace.log";
  for (auto _ : state) {
    orvane::testing::PtyClient client(
        {}, {{"ORVANE_TUI_TRACE", "1"}, {"ORVANE_TUI_TRACE_FILE", report_path}}, 200, 60);
    client.send_stdin(transcript_snapshot());
    if (!client.wait_stdout("\"type\":\"ui_trace\"")) {
      state.SkipWithError("the client drew no frame");
      return;
    }
    for (int i = 0; i < kKeys; ++i) {
      client.type(std::string(1, static_cast<char>('a' + i % 26)));
      // Apart enough that every key is a batch and a frame of its own.
      std::this_thread::sleep_for(std::chrono::milliseconds(12));
    }
    client.close_stdin();
    client.wait_exit();
  }
  std::ifstream file(report_path);
  std::stringstream report;
  report << file.rdbuf();
  std::remove(report_path.c_str());
  rmdir(directory);
  const auto p50 = percentile(report.str(), "p50");
  const auto p95 = percentile(report.str(), "p95");
  if (!p50 || !p95) {
    state.SkipWithError(("no key\u2192frame line in the trace report: " + report.str()).c_str());
    return;
  }
  state.counters["p50_ms"] = *p50;
  state.counters["p95_ms"] = *p95;
  state.counters["keys"] = kKeys;
}
BENCHMARK(BM_KeyToFrame)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

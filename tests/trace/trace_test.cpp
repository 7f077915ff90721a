#include "trace/trace.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "fake_env.hpp"
#include "trace/labels.hpp"

namespace orvane::trace {
namespace {

using namespace std::chrono_literals;
using testing::fake_env;

Trace enabled_trace() {
  return Trace(fake_env({{"ORVANE_TUI_TRACE", "1"}}));
}

TEST(Trace, SwitchedOnOnlyByExactlyOne) {
  struct Case {
    std::optional<std::string> value;
    bool enabled;
  };
  const Case cases[] = {
      {std::nullopt, false}, {"1", true},   {"", false},   {"0", false},   {"true", false},
      {" 1", false},         {"1 ", false}, {"11", false}, {"1\n", false},
  };
  for (const Case& c : cases) {
    const Trace trace(c.value ? fake_env({{"ORVANE_TUI_TRACE", *c.value}}) : fake_env({}));
    EXPECT_EQ(trace.enabled(), c.enabled) << (c.value ? "\"" + *c.value + "\"" : "unset");
  }
}

TEST(Trace, DisabledRecordsAndPublishesNothing) {
  Trace trace(fake_env({{"ORVANE_TUI_TRACE", "true"}}));
  trace.record(kDraw, 3ms);
  trace.record(kParse, 1ms);
  EXPECT_TRUE(trace.summary().empty());
  EXPECT_EQ(trace.publish(Clock::time_point{}), std::nullopt);
  EXPECT_EQ(trace.publish(Clock::time_point{} + 10s), std::nullopt);
}

TEST(Trace, RecordsDurationsInMilliseconds) {
  Trace trace = enabled_trace();
  trace.record(kDraw, 1500us);
  trace.record(kFlush, 3s + 500us);
  trace.record(kParse, 250ns);
  trace.record(kEventHandling, 0ns);
  EXPECT_EQ(trace.summary(), (std::vector<std::string>{
                                 "draw: p50 1.500 · p95 1.500 · max 1.500 ms (n=1)",
                                 "event handling: p50 0.000 · p95 0.000 · max 0.000 ms (n=1)",
                                 "flush: p50 3000.500 · p95 3000.500 · max 3000.500 ms (n=1)",
                                 "parse: p50 0.000 · p95 0.000 · max 0.000 ms (n=1)",
                             }));
}

TEST(Trace, KeepsOnlyTheNewestSamples) {
  Trace trace = enabled_trace();
  for (int i = 1; i <= 20000; ++i) trace.record(kDraw, std::chrono::milliseconds(i));
  // Samples 4001..20000 remain: p50 is at index ⌈0.5 × 15999⌉ = 8000.
  EXPECT_EQ(
      trace.summary(),
      std::vector<std::string>{"draw: p50 12001.000 · p95 19201.000 · max 20000.000 ms (n=16000)"});
}

TEST(Trace, BoundCoversAllLabelsTogether) {
  Trace trace = enabled_trace();
  for (int i = 0; i < 10000; ++i) trace.record(kParse, 1ms);
  for (int i = 0; i < 10000; ++i) trace.record(kDraw, 2ms);
  EXPECT_EQ(trace.summary(), (std::vector<std::string>{
                                 "draw: p50 2.000 · p95 2.000 · max 2.000 ms (n=10000)",
                                 "parse: p50 1.000 · p95 1.000 · max 1.000 ms (n=6000)",
                             }));
}

TEST(Trace, PublishesAtMostEveryTwoSeconds) {
  struct Step {
    Clock::duration at;  // since the first frame
    bool published;
  };
  // The interval runs from the last publish, not from the first one or a fixed grid.
  const Step steps[] = {
      {0ms, true},    {1ms, false},    {1999ms, false}, {2000ms, true}, {3999ms, false},
      {4500ms, true}, {6000ms, false}, {6499ms, false}, {6500ms, true}, {60s, true},
  };
  Trace trace = enabled_trace();
  trace.record(kDraw, 1ms);
  const Clock::time_point start{};  // no real clock: the caller passes the instant in
  for (const Step& step : steps) {
    std::optional<std::vector<std::string>> lines = trace.publish(start + step.at);
    EXPECT_EQ(lines.has_value(), step.published)
        << std::chrono::duration_cast<std::chrono::milliseconds>(step.at).count() << " ms";
  }
}

TEST(Trace, PublishingDoesNotConsumeSamples) {
  Trace trace = enabled_trace();
  const Clock::time_point start{};
  trace.record(kDraw, 1ms);
  const std::vector<std::string> first = {"draw: p50 1.000 · p95 1.000 · max 1.000 ms (n=1)"};
  EXPECT_EQ(trace.publish(start), first);
  EXPECT_EQ(trace.publish(start + 2s), first);
  trace.record(kDraw, 3ms);
  EXPECT_EQ(trace.publish(start + 4s),
            std::vector<std::string>{"draw: p50 3.000 · p95 3.000 · max 3.000 ms (n=2)"});
}

}  // namespace
}  // namespace orvane::trace

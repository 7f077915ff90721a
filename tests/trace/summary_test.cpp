#include "trace/summary.hpp"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace orvane::trace {
namespace {

struct SummaryCase {
  const char* name;
  std::deque<Sample> samples;
  std::vector<std::string> lines;
};

std::deque<Sample> draws(std::initializer_list<double> values) {
  std::deque<Sample> samples;
  for (double value : values) samples.push_back({"draw", value});
  return samples;
}

TEST(Summary, LinesByTable) {
  const SummaryCase cases[] = {
      {"no samples", {}, {}},
      {"one sample is every percentile",
       draws({1.5}),
       {"draw: p50 1.500 · p95 1.500 · max 1.500 ms (n=1)"}},
      {"percentile indices round up, values sorted first",
       draws({4, 1, 3, 2}),
       {"draw: p50 3.000 · p95 4.000 · max 4.000 ms (n=4)"}},
      {"two samples: both percentiles take the upper one",
       draws({7, 5}),
       {"draw: p50 7.000 · p95 7.000 · max 7.000 ms (n=2)"}},
      // Indices ⌈9.5⌉ = 10 and ⌈18.05⌉ = 19; rounding down would pick 9 and 18.
      {"twenty samples",
       draws({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}),
       {"draw: p50 11.000 · p95 20.000 · max 20.000 ms (n=20)"}},
      {"p95 below the maximum once there are enough samples",
       draws({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}),
       {"draw: p50 12.000 · p95 21.000 · max 22.000 ms (n=22)"}},
      {"three decimals, rounded",
       draws({0, 0.0004, 1234.5678}),
       {"draw: p50 0.000 · p95 1234.568 · max 1234.568 ms (n=3)"}},
      {"large values are written in full, not in exponent form",
       draws({12345678.25}),
       {"draw: p50 12345678.250 · p95 12345678.250 · max 12345678.250 ms (n=1)"}},
      // "→" starts with byte 0xE2, which sorts after every ASCII byte such as "_".
      {"labels in ascending byte order, grouped by text",
       {{"snapshot→frame", 4},
        {"key→frame", 3},
        {"parse", 2},
        {"key_frame", 1},
        {"draw", 5},
        {"parse", 6}},
       {"draw: p50 5.000 · p95 5.000 · max 5.000 ms (n=1)",
        "key_frame: p50 1.000 · p95 1.000 · max 1.000 ms (n=1)",
        "key→frame: p50 3.000 · p95 3.000 · max 3.000 ms (n=1)",
        "parse: p50 6.000 · p95 6.000 · max 6.000 ms (n=2)",
        "snapshot→frame: p50 4.000 · p95 4.000 · max 4.000 ms (n=1)"}},
  };
  for (const SummaryCase& c : cases) {
    EXPECT_EQ(summary(c.samples), c.lines) << c.name;
  }
}

TEST(Summary, GroupsLabelsByTextNotByAddress) {
  const std::string first = "flush";
  const std::string second = "flush";
  const std::deque<Sample> samples = {{first, 1}, {second, 2}};
  EXPECT_EQ(summary(samples),
            std::vector<std::string>{"flush: p50 2.000 · p95 2.000 · max 2.000 ms (n=2)"});
}

}  // namespace
}  // namespace orvane::trace

#pragma once
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::trace {

struct Sample {
  std::string_view label;
  double milliseconds = 0;
};

// One line per label, in ascending byte order of the labels:
// "draw: p50 1.500 · p95 1.500 · max 1.500 ms (n=1)".
std::vector<std::string> summary(const std::deque<Sample>& samples);

}  // namespace orvane::trace

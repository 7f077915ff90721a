#include "trace/summary.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <map>

namespace orvane::trace {
namespace {

// Index ⌈percent/100 × (n − 1)⌉ of `n` sorted values, in integers so that no
// rounding of the product can push it one place up.
std::size_t rank(std::size_t n, std::size_t percent) {
  return (percent * (n - 1) + 99) / 100;
}

// Three digits after the point, independent of the C locale. The buffer holds the
// largest double written out in full, so the conversion cannot run out of room.
std::string milliseconds(double value) {
  std::array<char, 320> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, 3);
  return std::string(buffer.data(), result.ptr);
}

}  // namespace

std::vector<std::string> summary(const std::deque<Sample>& samples) {
  // string_view orders by unsigned bytes, which is the order of the UTF-8 text.
  std::map<std::string_view, std::vector<double>> by_label;
  for (const Sample& sample : samples) by_label[sample.label].push_back(sample.milliseconds);

  std::vector<std::string> lines;
  lines.reserve(by_label.size());
  for (auto& [label, values] : by_label) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    std::string line(label);
    line += ": p50 " + milliseconds(values[rank(n, 50)]);
    line += " · p95 " + milliseconds(values[rank(n, 95)]);
    line += " · max " + milliseconds(values.back());
    line += " ms (n=" + std::to_string(n) + ")";
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace orvane::trace

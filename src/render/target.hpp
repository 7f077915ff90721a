#pragma once
#include <cstddef>

namespace orvane::render {

// A click target: the inclusive range of transcript lines that carry one click value.
struct Target {
  std::size_t first = 0;
  std::size_t last = 0;

  friend bool operator==(const Target&, const Target&) = default;
};

}  // namespace orvane::render

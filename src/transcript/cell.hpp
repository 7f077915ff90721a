#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "tui/style.hpp"

namespace orvane::transcript {

// One grapheme cluster of styled text, measured once when it is cut from its span.
struct Cell {
  std::string text;
  tui::Style style;
  std::size_t width = 0;
  // Every character of the cluster has the White_Space property.
  bool space = false;
};

using Row = std::vector<Cell>;

}  // namespace orvane::transcript

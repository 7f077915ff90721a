#pragma once
#include <algorithm>
#include <cstddef>
#include <vector>

#include "tui/text.hpp"

namespace orvane::render {

// Copies of at most `count` rows from `first` on: only what a pane shows is copied out of
// the rows it keeps.
inline std::vector<tui::Line> rows_window(const std::vector<tui::Line>& rows, std::size_t first,
                                          std::size_t count) {
  const std::size_t begin = std::min(first, rows.size());
  const std::size_t end = begin + std::min(count, rows.size() - begin);
  return {rows.begin() + static_cast<std::ptrdiff_t>(begin),
          rows.begin() + static_cast<std::ptrdiff_t>(end)};
}

}  // namespace orvane::render

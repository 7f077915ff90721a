#pragma once
// A cell buffer as rows of text, for tests that compare screens written as arrays of strings.
#include <cstdint>
#include <string>
#include <vector>

#include "tui/buffer.hpp"

namespace orvane::test {

// The symbols of each row; the covered half of a wide character adds nothing.
inline std::vector<std::string> buffer_rows(const tui::Buffer& buffer) {
  const tui::Rect area = buffer.area();
  std::vector<std::string> rows;
  for (std::uint16_t y = area.y; y < area.bottom(); ++y) {
    std::string row;
    for (std::uint16_t x = area.x; x < area.right(); ++x) {
      const tui::Cell& cell = buffer.at(x, y);
      if (!cell.skip) row += cell.shown();
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace orvane::test

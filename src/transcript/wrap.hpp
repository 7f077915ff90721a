#pragma once
#include <cstddef>
#include <vector>

#include "transcript/cell.hpp"
#include "tui/text.hpp"

namespace orvane::transcript {

// Cuts the spans into rows no wider than `width` columns, breaking after whitespace
// where it can and inside words where it must. Whitespace that overflows a row is
// dropped; a line feed is whitespace like any other. Never returns zero rows; a
// width of 0 counts as 1.
std::vector<Row> wrap(const std::vector<tui::Span>& spans, std::size_t width);

}  // namespace orvane::transcript

#pragma once
#include <cstddef>
#include <vector>

#include "transcript/cell.hpp"
#include "tui/style.hpp"
#include "tui/text.hpp"

namespace orvane::transcript {

// The prefix spans unchanged, then the cells merged into as few spans as their
// styles (each laid over `base`) allow, then — when `fill` is set — spaces in
// `base` up to `width` columns, so a background in `base` runs to the edge.
tui::Line line(std::vector<tui::Span> prefix, Row cells, bool fill, std::size_t width,
               const tui::Style& base);

}  // namespace orvane::transcript

#pragma once
#include <cstddef>
#include <limits>
#include <string>

#include "render/cache.hpp"
#include "tui/text.hpp"

namespace orvane::render {

// An end column that reaches past the end of any line.
inline constexpr std::size_t kLineEnd = std::numeric_limits<std::size_t>::max();

// `line` with the graphemes that overlap the columns [start, end) in reverse video; a wide
// character half inside is taken whole.
tui::Line highlight(const tui::Line& line, std::size_t start, std::size_t end);

// The text under the mouse selection, one line per transcript line, without trailing blanks;
// empty when there is no selection.
std::string selected_text(const Cache& cache);

// The selection's earlier and later point, whichever way it was dragged.
std::pair<TextPoint, TextPoint> ordered(const Selection& selection);

}  // namespace orvane::render

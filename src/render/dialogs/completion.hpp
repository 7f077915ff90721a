#pragma once
#include <cstddef>

#include "bridge/snapshot.hpp"
#include "tui/frame.hpp"
#include "tui/rect.hpp"

namespace orvane::render::dialogs {

// Where the popup goes for `candidates` candidates: the bottom rows of `area` (the
// transcript region), its full width, at most eight candidates and the hint row.
tui::Rect completion_area(tui::Rect area, std::size_t candidates);

// The first candidate the popup shows: the window keeps the selection on its last row once
// the selection passes the first screenful.
std::size_t first_completion_shown(std::size_t selected);

// Draws the popup of the overlay's completions over the bottom of `area`, with the
// candidate at `selected` marked.
void completion(tui::Frame& frame, const bridge::Snapshot& overlay, tui::Rect area, std::size_t selected);

}  // namespace orvane::render::dialogs

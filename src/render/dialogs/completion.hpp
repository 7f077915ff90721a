#pragma once
#include <cstddef>

#include "bridge/snapshot.hpp"
#include "tui/frame.hpp"
#include "tui/rect.hpp"

namespace orvane::render::dialogs {

// Where the popup goes for `candidates` candidates: the bottom rows of `area` (the
// transcript region), its full width, at most eight candidates and the hint row.
tui::Rect completion_area(tui::Rect area, std::size_t candidates);

// Draws the popup of the overlay's completions over the bottom of `area`, with the
// candidate at `selected` marked.
void completion(tui::Frame& frame, const bridge::Snapshot& overlay, tui::Rect area, std::size_t selected);

}  // namespace orvane::render::dialogs

#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "bridge/snapshot.hpp"
#include "editor/editor.hpp"
#include "tui/rect.hpp"

namespace orvane::render {

// Queued messages shown above the editor; the rest wait unseen.
inline constexpr std::size_t kQueuedShown = 4;

// The composer's rows, top to bottom.
struct ComposerRows {
  tui::Rect queue;     // queued messages and the attachment line
  tui::Rect editor;    // the editor box
  tui::Rect controls;  // the control row
  tui::Rect activity;  // the activity bar
};

// Rows of the composer on a screen of `area`: 3 for a sub-agent page, else room for the
// editor's text (3 to 22 rows, the voice preview counted as typed), up to 4 queued messages
// and 4 rows of chrome. It leaves the rest of the screen at least 7 rows unless that would
// make it shorter than 6.
std::uint16_t composer_height(tui::Rect area, const editor::Editor& editor,
                              const bridge::Snapshot& snapshot);

// Cuts the composer rectangle into its four rows; the queue area holds `queued` messages
// (at most 4) and the attachment line.
ComposerRows composer_rows(tui::Rect composer, std::size_t queued);

}  // namespace orvane::render

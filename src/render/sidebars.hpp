#pragma once
#include <cstddef>

#include "bridge/snapshot.hpp"
#include "render/cache.hpp"
#include "render/palette.hpp"
#include "tui/buffer.hpp"
#include "tui/rect.hpp"

namespace orvane::render {

// The sessions sidebar's lines in `area`, from the line after `offset` on, under a right
// border; the lines are kept in the cache while the snapshot, width, filter and tick hold.
void draw_sessions_sidebar(tui::Buffer& buffer, tui::Rect area, const bridge::Snapshot& snapshot,
                           std::size_t offset, Cache& cache, const Palette& palette);

// The sidebar's title row with its new-session "+", and its filter row at the bottom: the
// typed filter, or a placeholder while there is none.
void draw_sessions_title(tui::Buffer& buffer, tui::Rect area, const Cache& cache,
                         const Palette& palette);

// The details sidebar: its tab strip, then the current tab's rows; the log sticks to its
// end, `logs_offset` counting lines back from it, and the other tabs start at
// `details_offset`.
void draw_details(tui::Buffer& buffer, tui::Rect area, const bridge::Snapshot& snapshot,
                  std::size_t logs_offset, std::size_t details_offset, Cache& cache,
                  const Palette& palette);

}  // namespace orvane::render

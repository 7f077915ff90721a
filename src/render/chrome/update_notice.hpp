#pragma once
#include <cstddef>
#include <cstdint>

#include "bridge/snapshot.hpp"
#include "tui/rect.hpp"

namespace orvane::render::chrome {

// Columns the update notice takes on the breadcrumb row of `band`: what is left beside the
// status text, at most 20; 0 without a notice.
std::size_t notice_width(const bridge::Snapshot& snapshot, tui::Rect band);

// Whether the screen cell (column, row) shows the update notice of the top bar in `band`.
bool update_notice_at(const bridge::Snapshot& snapshot, tui::Rect band, std::uint16_t column,
                      std::uint16_t row);

}  // namespace orvane::render::chrome

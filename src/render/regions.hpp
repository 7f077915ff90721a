#pragma once
#include <cstdint>

#include "bridge/snapshot.hpp"
#include "tui/rect.hpp"

namespace orvane::render {

// The rectangles of one frame. A hidden sidebar has width 0.
struct Regions {
  tui::Rect transcript;
  tui::Rect composer;
  // The sessions sidebar on the left.
  tui::Rect sessions;
  // The details sidebar on the right, or an overlay at the right edge on narrow screens.
  tui::Rect details;
  // The top bar.
  tui::Rect top;

  friend bool operator==(const Regions&, const Regions&) = default;
};

// Where everything goes on a screen of `area` for this snapshot, with a composer
// `composer_height` rows tall. Between 100 and 129 columns only one sidebar gets a column;
// below 100 the details sidebar floats over the right edge.
Regions regions(tui::Rect area, const bridge::Snapshot& snapshot, std::uint16_t composer_height);

}  // namespace orvane::render

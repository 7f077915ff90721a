#pragma once
#include <cstddef>
#include <cstdint>

namespace orvane::render::chrome {

// One clickable range of the top bar, in columns [start, end) from the band's left edge.
struct TopCell {
  enum class Kind { Sessions, Tab, New, Details };

  Kind kind = Kind::Sessions;
  // The tab's position in the snapshot's `tabs`; only meaningful for `Kind::Tab`.
  std::size_t tab = 0;
  std::uint16_t start = 0;
  std::uint16_t end = 0;

  friend bool operator==(const TopCell&, const TopCell&) = default;
};

}  // namespace orvane::render::chrome

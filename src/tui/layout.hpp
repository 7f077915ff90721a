#pragma once
#include <cstdint>
#include <variant>
#include <vector>

#include "tui/rect.hpp"

namespace orvane::tui {

// Exactly n cells.
struct Length {
  std::uint16_t n = 0;
};

// At least n cells, and a share of whatever the other pieces leave.
struct Min {
  std::uint16_t n = 0;
};

using Constraint = std::variant<Length, Min>;

enum class Direction { Vertical, Horizontal };

// Cuts `area` into one piece per constraint, laid out from its start with no margin and no
// spacing, each piece spanning the whole area across the direction:
//  - every piece first gets its n;
//  - space left over is shared equally among the Min pieces, the earlier ones taking one
//    more cell each when it does not divide evenly; without Min pieces it stays unused at
//    the end;
//  - when the sizes do not fit, Length pieces give way first, the last one first, then Min
//    pieces, again the last one first.
std::vector<Rect> split(Rect area, Direction direction, const std::vector<Constraint>& constraints);

}  // namespace orvane::tui

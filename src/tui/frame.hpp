#pragma once
#include <optional>

#include "tui/buffer.hpp"
#include "tui/rect.hpp"

namespace orvane::tui {

// What a draw callback paints into: the frame's buffer, its full area, and where the
// terminal cursor should be shown (hidden when left unset).
struct Frame {
  Buffer& buffer;
  Rect area;
  std::optional<Position> cursor;
};

}  // namespace orvane::tui

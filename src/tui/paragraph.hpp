#pragma once
#include <vector>

#include "tui/buffer.hpp"
#include "tui/rect.hpp"
#include "tui/style.hpp"
#include "tui/text.hpp"

namespace orvane::tui {

// Pre-laid-out lines, one per row from the top of the area, cut off at its right and bottom
// edges (no wrapping).
struct Paragraph {
  std::vector<Line> lines{};
  // Laid over the whole area before the lines are drawn.
  Style style{};
};

void render(const Paragraph& paragraph, Rect area, Buffer& buffer);

}  // namespace orvane::tui

#pragma once
#include "tui/buffer.hpp"
#include "tui/rect.hpp"

namespace orvane::tui {

// Makes the cells of its area default blanks, so that a floating piece drawn over them does
// not show what was beneath.
struct Clear {};

void render(const Clear& clear, Rect area, Buffer& buffer);

}  // namespace orvane::tui

#pragma once
#include <cstddef>
#include <vector>

#include "render/cache.hpp"
#include "render/palette.hpp"
#include "tui/style.hpp"
#include "tui/text.hpp"

namespace orvane::render {

// `line` with `color` as the background of every span and of the line itself; every
// other style attribute is kept.
tui::Line with_focus(tui::Line line, const tui::Color& color);

// The transcript lines from `top` on, at most `count` of them, as drawn: spinners at the
// frame of the slow tick, the mouse selection in reverse video, and the lines of the
// focused target on the focus colour.
std::vector<tui::Line> visible_lines(const Cache& cache, std::size_t top, std::size_t count,
                                     const Palette& palette);

}  // namespace orvane::render

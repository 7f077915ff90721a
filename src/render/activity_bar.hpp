#pragma once
#include <cstdint>

#include "tui/style.hpp"
#include "tui/text.hpp"

namespace orvane::render {

// `from` moved toward `to` by `amount` (0 to 1), channel by channel. Colours that are not
// RGB cannot be mixed: the nearer one is taken.
tui::Color blend(const tui::Color& from, const tui::Color& to, double amount);

// The rule at the bottom of the composer, `width` "─" glyphs in `rest`. While `busy`, a
// segment a fifth of the width, lit in `lit` with soft edges, sweeps from end to end and
// back every 180 fast ticks, slowing at the turns.
tui::Line activity_bar(std::uint16_t width, bool busy, const tui::Color& rest,
                       const tui::Color& lit, std::uint64_t fast_tick);

}  // namespace orvane::render

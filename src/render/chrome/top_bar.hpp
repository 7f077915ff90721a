#pragma once
#include <cstdint>

#include "bridge/snapshot.hpp"
#include "render/palette.hpp"
#include "tui/buffer.hpp"
#include "tui/rect.hpp"

namespace orvane::render::chrome {

// Draws the top bar into `band`: the agent-page header while an agent's page is open, the
// compact bar (breadcrumb row and rule) in a two-row band, else the tab row, the breadcrumb
// row and the rule.
void draw_top_bar(tui::Buffer& buffer, const bridge::Snapshot& snapshot, tui::Rect band,
                  const Palette& palette, std::uint64_t tick);

}  // namespace orvane::render::chrome

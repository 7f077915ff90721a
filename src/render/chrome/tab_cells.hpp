#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "bridge/snapshot.hpp"
#include "render/chrome/top_cell.hpp"
#include "tui/rect.hpp"

namespace orvane::render::chrome {

// A tab shows at most this many columns of its title; its cell is sized to match.
inline constexpr std::size_t kTabTitleColumns = 24;

// The clickable ranges of the tab row for a bar `width` columns wide: the sessions button,
// the tabs that fit (scrolled so the active one shows), the new-session and details buttons.
// On an agent page only the details button.
std::vector<TopCell> tab_cells(const bridge::Snapshot& snapshot, std::uint16_t width);

// The clickable ranges of the top bar in `band`: only the details button when the band is
// two rows high (the compact bar has no tab row), else the tab row's.
std::vector<TopCell> top_cells(const bridge::Snapshot& snapshot, tui::Rect band);

}  // namespace orvane::render::chrome

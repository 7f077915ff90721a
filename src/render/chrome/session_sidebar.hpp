#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "bridge/snapshot.hpp"
#include "render/chrome/sidebar_hit.hpp"
#include "render/palette.hpp"

namespace orvane::render::chrome {

// The sessions sidebar's lines, top to bottom, with what a click on each means: the
// header, the count, the sessions that match `filter` (case-insensitively, in title, id,
// workspace and group) two lines each under their group names, then the truncation notice
// and the archived link. Session rows are `width` + 3 columns wide. Click handlers call
// it with tick 0: only spinner frames depend on the tick, never the line order.
std::vector<SidebarLine> session_sidebar(const bridge::Snapshot& snapshot, const Palette& palette,
                                         std::uint16_t width, std::uint64_t tick,
                                         std::string_view filter);

}  // namespace orvane::render::chrome

#pragma once
#include "bridge/snapshot.hpp"
#include "tui/rect.hpp"

namespace orvane::render::dialogs {

// Where the open panel goes over the transcript rectangle `area`: a navigation panel is a
// large centred box; otherwise a "page" (or no layout) covers the area, a "drawer" docks to
// its bottom at full width, and anything else is a centred box sized to the items or text.
tui::Rect panel_area(tui::Rect area, const bridge::Snapshot& snapshot);

// The navigation column on the left of `panel`, placed as inside a bordered frame whatever
// the frame.
tui::Rect nav_rect(tui::Rect panel);

}  // namespace orvane::render::dialogs

#pragma once
#include <string_view>

#include "render/palette.hpp"
#include "tui/frame.hpp"
#include "tui/rect.hpp"

namespace orvane::render::dialogs {

// Clears `area` and draws the dialog box over it: a single-line border (none when
// `compact`), the title in bold accent and, under it, a rule (a blank row when `compact`).
// Returns the rectangle left for the content.
tui::Rect dialog_frame(tui::Frame& frame, tui::Rect area, std::string_view title,
                       const Palette& palette, bool compact);

}  // namespace orvane::render::dialogs

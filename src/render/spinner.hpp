#pragma once
#include <cstdint>
#include <string_view>

#include "tui/text.hpp"

namespace orvane::render {

// U+E000: where laid-out lines show a spinner. It keeps the animation out of the cached
// layout; only the visible copy of a line gets the current frame.
inline constexpr std::string_view kSpinnerPlaceholder = "\xEE\x80\x80";

// The spinner frame for an animation tick; a full turn takes ten ticks.
std::string_view spinner_frame(std::uint64_t tick);

// `line` with every spinner placeholder replaced by the frame for `tick`; styles unchanged.
tui::Line with_spinner(const tui::Line& line, std::uint64_t tick);

}  // namespace orvane::render

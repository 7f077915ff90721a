#pragma once
#include <string_view>

#include "render/palette.hpp"
#include "tui/style.hpp"

namespace orvane::transcript {

// Resolves a colour token from the bridge: "#rrggbb", or one of the "$ov-" names,
// which follow the theme. Anything else gives `fallback`.
tui::Color color(std::string_view token, tui::Color fallback, const render::Palette& palette);

}  // namespace orvane::transcript

#pragma once
#include <cstdint>
#include <string_view>

#include "render/palette.hpp"
#include "tui/style.hpp"

namespace orvane::render::chrome {

// The one-column mark that shows a session's status, and its colour.
struct StatusGlyph {
  std::string_view text;
  tui::Color color;
};

// "done" ✓ success, "input" ● warning, "working" the spinner frame for `tick` in accent,
// anything else · faint. Tabs and the sessions sidebar share it so they always agree.
StatusGlyph status_glyph(std::string_view status, const Palette& palette, std::uint64_t tick);

}  // namespace orvane::render::chrome

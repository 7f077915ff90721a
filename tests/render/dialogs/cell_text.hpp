#pragma once
// One buffer cell's colours and modifiers as text, so a failing check reads
// "bold fg=accent bg=popup" instead of raw RGB values.
#include <cstdint>
#include <string>

#include "render/palette.hpp"
#include "support/line_text.hpp"
#include "tui/buffer.hpp"

namespace orvane::test {

inline std::string cell_text(const tui::Buffer& buffer, std::uint16_t x, std::uint16_t y,
                             const render::Palette& palette) {
  const ColorNames names = color_names(palette);
  const tui::Cell& cell = buffer.at(x, y);
  std::string out = modifier_text(cell.modifiers, "");
  if (!out.empty()) out += ' ';
  return out + "fg=" + color_text(cell.fg, names) + " bg=" + color_text(cell.bg, names);
}

}  // namespace orvane::test

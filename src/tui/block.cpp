#include "tui/block.hpp"

#include <cstdint>

namespace orvane::tui {

Rect Block::inner(Rect area) const {
  const auto margin = [&](std::uint16_t pad, Borders side) {
    return Rect::saturate(long{pad} + (has(borders, side) ? 1 : 0));
  };
  return area.inner(margin(padding.left, Borders::Left), margin(padding.right, Borders::Right),
                    margin(padding.top, Borders::Top), margin(padding.bottom, Borders::Bottom));
}

void render(const Block& block, Rect area, Buffer& buffer) {
  const Rect clip = area.intersection(buffer.area());
  if (clip.empty()) return;
  buffer.set_style(clip, block.style);

  const Style& style = block.border_style;
  const std::uint16_t left = area.x;
  const auto right = static_cast<std::uint16_t>(area.right() - 1);
  const std::uint16_t top = area.y;
  const auto bottom = static_cast<std::uint16_t>(area.bottom() - 1);
  // Edges lie on the area; only the part inside the buffer is walked.
  for (std::uint16_t y = clip.y; y < clip.bottom(); ++y) {
    if (has(block.borders, Borders::Left)) buffer.set_string(left, y, "│", style);
    if (has(block.borders, Borders::Right)) buffer.set_string(right, y, "│", style);
  }
  for (std::uint16_t x = clip.x; x < clip.right(); ++x) {
    if (has(block.borders, Borders::Top)) buffer.set_string(x, top, "─", style);
    if (has(block.borders, Borders::Bottom)) buffer.set_string(x, bottom, "─", style);
  }
  const auto corner = [&](Borders a, Borders b, std::uint16_t x, std::uint16_t y,
                          const char* symbol) {
    if (has(block.borders, a) && has(block.borders, b)) buffer.set_string(x, y, symbol, style);
  };
  corner(Borders::Top, Borders::Left, left, top, "┌");
  corner(Borders::Top, Borders::Right, right, top, "┐");
  corner(Borders::Bottom, Borders::Left, left, bottom, "└");
  corner(Borders::Bottom, Borders::Right, right, bottom, "┘");
}

}  // namespace orvane::tui

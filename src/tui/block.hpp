#pragma once
#include <cstdint>

#include "tui/buffer.hpp"
#include "tui/rect.hpp"
#include "tui/style.hpp"

namespace orvane::tui {

// Which sides of a block carry a border line.
enum class Borders : std::uint8_t {
  None = 0,
  Top = 1 << 0,
  Right = 1 << 1,
  Bottom = 1 << 2,
  Left = 1 << 3,
  All = Top | Right | Bottom | Left,
};

constexpr Borders operator|(Borders a, Borders b) {
  return static_cast<Borders>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}
constexpr bool has(Borders set, Borders side) {
  return (static_cast<std::uint8_t>(set) & static_cast<std::uint8_t>(side)) != 0;
}

struct Padding {
  std::uint16_t left = 0, right = 0, top = 0, bottom = 0;
};

// A styled area with optional single-line borders (─ │ ┌ ┐ └ ┘) and inner padding.
struct Block {
  Borders borders = Borders::None;
  // Laid over the border cells, on top of `style`.
  Style border_style{};
  // Laid over the whole area.
  Style style{};
  Padding padding{};

  // The content rectangle: `area` without its borders and padding.
  Rect inner(Rect area) const;
};

void render(const Block& block, Rect area, Buffer& buffer);

}  // namespace orvane::tui

#pragma once
#include <algorithm>
#include <cstdint>

namespace orvane::tui {

// A cell on the screen, 0-based from the top left.
struct Position {
  std::uint16_t x = 0, y = 0;
  friend bool operator==(const Position&, const Position&) = default;
};

// A screen rectangle in cells. Arithmetic saturates: sizes never wrap below 0 or past 65 535.
struct Rect {
  std::uint16_t x = 0, y = 0, width = 0, height = 0;

  static constexpr std::uint16_t saturate(long value) {
    return static_cast<std::uint16_t>(std::clamp<long>(value, 0, 65535));
  }

  constexpr std::uint32_t area() const { return std::uint32_t{width} * height; }
  constexpr bool empty() const { return width == 0 || height == 0; }
  constexpr std::uint16_t left() const { return x; }
  constexpr std::uint16_t top() const { return y; }
  constexpr std::uint16_t right() const { return saturate(long{x} + width); }
  constexpr std::uint16_t bottom() const { return saturate(long{y} + height); }

  constexpr bool contains(std::uint16_t column, std::uint16_t row) const {
    return column >= x && column < right() && row >= y && row < bottom();
  }

  // The overlap of two rectangles; empty (at the later origin) when they do not meet.
  constexpr Rect intersection(const Rect& other) const {
    const std::uint16_t x1 = std::max(x, other.x), y1 = std::max(y, other.y);
    const std::uint16_t x2 = std::min(right(), other.right()), y2 = std::min(bottom(), other.bottom());
    return {x1, y1, saturate(long{x2} - x1), saturate(long{y2} - y1)};
  }

  // Shrinks by the given margins, saturating at an empty rectangle.
  constexpr Rect inner(std::uint16_t left_margin, std::uint16_t right_margin, std::uint16_t top_margin,
                       std::uint16_t bottom_margin) const {
    const std::uint16_t w = saturate(long{width} - left_margin - right_margin);
    const std::uint16_t h = saturate(long{height} - top_margin - bottom_margin);
    return {saturate(long{x} + std::min(left_margin, width)), saturate(long{y} + std::min(top_margin, height)), w, h};
  }

  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace orvane::tui

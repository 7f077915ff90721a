#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "tui/buffer.hpp"
#include "tui/rect.hpp"
#include "tui/style.hpp"

namespace orvane::tui {

// A vertical scrollbar in the rightmost column of its area, without arrows: the track spans
// the area's height and the thumb shows which part of the content is in view.
struct Scrollbar {
  std::string thumb_symbol = "█";
  Style thumb_style{};
  std::string track_symbol = "│";
  Style track_style{};
  // The number of scroll positions and the current one.
  std::size_t content_length = 0;
  std::size_t position = 0;
};

// The rows [start, end) of the thumb, relative to the top of a track of `track` rows.
struct Thumb {
  std::uint16_t start = 0, end = 0;
  friend bool operator==(const Thumb&, const Thumb&) = default;
};

// With track length L, a viewport of L, last = content − 1, start = min(position, last) and
// D = last + L, the thumb runs from round(start·L/D) to round((start + L)·L/D) and covers
// at least one row. Empty when there is no content or no track.
Thumb thumb(const Scrollbar& scrollbar, std::uint16_t track);

void render(const Scrollbar& scrollbar, Rect area, Buffer& buffer);

}  // namespace orvane::tui

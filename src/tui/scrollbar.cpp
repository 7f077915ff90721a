#include "tui/scrollbar.hpp"

#include <algorithm>
#include <cmath>

namespace orvane::tui {

Thumb thumb(const Scrollbar& scrollbar, std::uint16_t track) {
  if (scrollbar.content_length == 0 || track == 0) return {};
  const double length = track;
  const double last = static_cast<double>(scrollbar.content_length - 1);
  const double start = std::min(static_cast<double>(scrollbar.position), last);
  const double span = last + length;
  const auto row = [&](double value) {
    return static_cast<std::uint16_t>(std::clamp(std::round(value * length / span), 0.0, length));
  };
  const std::uint16_t begin = std::min<std::uint16_t>(row(start), track - 1);
  const std::uint16_t end = std::max<std::uint16_t>(row(start + length), begin + 1);
  return {begin, end};
}

void render(const Scrollbar& scrollbar, Rect area, Buffer& buffer) {
  const Thumb bar = thumb(scrollbar, area.height);
  if (bar.end == 0 || area.width == 0) return;
  const auto x = static_cast<std::uint16_t>(area.right() - 1);
  for (std::uint16_t row = 0; row < area.height; ++row) {
    const auto y = static_cast<std::uint16_t>(area.y + row);
    const bool on_thumb = row >= bar.start && row < bar.end;
    const Style& style = on_thumb ? scrollbar.thumb_style : scrollbar.track_style;
    buffer.set_style(Rect{x, y, 1, 1}, style);
    buffer.set_stringn(x, y, on_thumb ? scrollbar.thumb_symbol : scrollbar.track_symbol, 1, style);
  }
}

}  // namespace orvane::tui

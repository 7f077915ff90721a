#include "tui/paragraph.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace orvane::tui {

void render(const Paragraph& paragraph, Rect area, Buffer& buffer) {
  const Rect clip = area.intersection(buffer.area());
  if (clip.empty()) return;
  buffer.set_style(clip, paragraph.style);
  const std::size_t rows = std::min<std::size_t>(paragraph.lines.size(), area.height);
  for (std::size_t row = 0; row < rows; ++row) {
    const auto y = static_cast<std::uint16_t>(area.y + row);
    if (y < clip.y || y >= clip.bottom()) continue;
    buffer.set_line(area.x, y, paragraph.lines[row], clip.right() - area.x);
  }
}

}  // namespace orvane::tui

#include "render/dialogs/panel_area.hpp"

#include <algorithm>

#include "unicode/width.hpp"

namespace orvane::render::dialogs {

namespace {

using tui::Rect;

// About how many rows the panel text takes in a panel `width` columns wide, the frame's
// inner width being four columns less; only the panel's size depends on it.
long estimated_text_rows(const std::vector<std::string>& lines, long width) {
  const long per_row = std::max(width - 4, 1L);
  long rows = 0;
  for (const std::string& line : lines) {
    const auto columns = static_cast<long>(unicode::text_width(line));
    rows += std::max(1L, (columns + per_row - 1) / per_row);
  }
  return rows;
}

Rect centred(Rect area, long width, long height) {
  return Rect{Rect::saturate(long{area.x} + (long{area.width} - width) / 2),
              Rect::saturate(long{area.y} + (long{area.height} - height) / 2),
              Rect::saturate(width), Rect::saturate(height)};
}

// Keeps the rectangle from reaching past the last addressable column and row.
Rect clamped(Rect rect) {
  rect.width = Rect::saturate(std::min<long>(rect.width, 65535L - rect.x));
  rect.height = Rect::saturate(std::min<long>(rect.height, 65535L - rect.y));
  return rect;
}

}  // namespace

Rect panel_area(Rect area, const bridge::Snapshot& snapshot) {
  const long width = area.width, height = area.height;
  const long items = static_cast<long>(snapshot.items.size());
  if (snapshot.nav) {
    return clamped(centred(area, std::max(std::max(width - 4, 0L), std::min(width, 8L)),
                           std::max(std::max(height - 2, 0L), std::min(height, 8L))));
  }
  const std::string& layout = snapshot.panel_layout;
  if (layout.empty() || layout == "page") return clamped(area);
  if (layout == "drawer") {
    const long wanted = items > 0
                            ? std::min(items, 8L) + 4
                            : std::min(estimated_text_rows(snapshot.panel_lines, width), 18L) + 2;
    const long drawer = std::min(height, wanted);
    return clamped(Rect{area.x, Rect::saturate(long{area.y} + height - drawer), area.width,
                        Rect::saturate(drawer)});
  }
  const long box_width = std::max(std::min(std::max(width - 4, 0L), 90L), std::min(width, 8L));
  const long body = items > 0 ? std::min(items, 12L)
                              : std::min(estimated_text_rows(snapshot.panel_lines, box_width), 18L);
  const long box_height = std::max(std::min(std::max(height - 4, 0L), body + 8), std::min(height, 8L));
  return clamped(centred(area, box_width, box_height));
}

Rect nav_rect(Rect panel) {
  const long width = panel.width, height = panel.height;
  return Rect{Rect::saturate(long{panel.x} + 2), Rect::saturate(long{panel.y} + std::min(height, 4L)),
              Rect::saturate(std::min(width - 4, 24L)), Rect::saturate(height - 5)};
}

}  // namespace orvane::render::dialogs

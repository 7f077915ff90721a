#include "render/dialogs/dialog_frame.hpp"

#include <algorithm>
#include <string>

#include "tui/block.hpp"
#include "tui/clear.hpp"
#include "tui/paragraph.hpp"

namespace orvane::render::dialogs {

tui::Rect dialog_frame(tui::Frame& frame, tui::Rect area, std::string_view title,
                       const Palette& palette, bool compact) {
  using tui::Rect;
  const long x = area.x, y = area.y, width = area.width, height = area.height;
  tui::render(tui::Clear{}, area, frame.buffer);

  tui::Block box;
  box.style = tui::Style{}.with_fg(palette.text).with_bg(palette.popup);
  if (!compact) {
    box.borders = tui::Borders::All;
    box.border_style = tui::Style{}.with_fg(palette.rule);
  }
  tui::render(box, area, frame.buffer);

  const long inner_width = std::max(width - 4, 0L);
  std::string rule;
  for (long i = 0; i < inner_width && !compact; ++i) rule += "\u2500";
  tui::Paragraph header;
  header.style = tui::Style{}.with_bg(palette.popup);
  header.lines.push_back(tui::Line({tui::Span(
      std::string(title), tui::Style{}.with_fg(palette.accent).with_add(tui::Modifier::Bold))}));
  header.lines.push_back(
      tui::Line({tui::Span(std::move(rule), tui::Style{}.with_fg(palette.rule))}));
  // A box too low for its header must not have the header spill onto the rows below it.
  const Rect header_area =
      Rect{Rect::saturate(x + 2), Rect::saturate(y + 1), Rect::saturate(inner_width),
           static_cast<std::uint16_t>(std::min(height, 2L))}
          .intersection(area);
  tui::render(header, header_area, frame.buffer);

  if (compact) {
    return Rect{Rect::saturate(x + std::min(width, 2L)), Rect::saturate(y + std::min(height, 2L)),
                Rect::saturate(inner_width), Rect::saturate(height - 2)};
  }
  return Rect{Rect::saturate(x + 2), Rect::saturate(y + std::min(height, 4L)),
              Rect::saturate(inner_width), Rect::saturate(height - 5)};
}

}  // namespace orvane::render::dialogs

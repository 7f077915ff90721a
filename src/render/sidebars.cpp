#include "render/sidebars.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "render/chrome/details_rows.hpp"
#include "render/chrome/session_sidebar.hpp"
#include "render/rows_window.hpp"
#include "tui/block.hpp"
#include "tui/clear.hpp"
#include "tui/paragraph.hpp"

namespace orvane::render {

namespace {

using tui::Rect;

const std::vector<chrome::SidebarLine>& sidebar_lines(Cache& cache, const bridge::Snapshot& snapshot,
                                                      std::uint16_t width, const Palette& palette) {
  const std::optional<SidebarRows>& held = cache.sidebar_rows;
  if (!held || held->revision != snapshot.revision || held->width != width ||
      held->filter != cache.session_filter || held->filter_focused != cache.filter_focused ||
      held->slow_tick != cache.slow_tick) {
    cache.sidebar_rows = SidebarRows{
        snapshot.revision, width, cache.session_filter, cache.filter_focused, cache.slow_tick,
        chrome::session_sidebar(snapshot, palette, width, cache.slow_tick, cache.session_filter)};
  }
  return cache.sidebar_rows->rows;
}

// A one-row strip of text inside a sidebar, clipped to the screen's right edge.
void draw_strip(tui::Buffer& buffer, Rect strip, std::string text, const tui::Style& style) {
  tui::render(tui::Paragraph{{tui::Line({tui::Span(std::move(text))})}, style},
              strip.intersection(buffer.area()), buffer);
}

}  // namespace

void draw_sessions_sidebar(tui::Buffer& buffer, Rect area, const bridge::Snapshot& snapshot,
                           std::size_t offset, Cache& cache, const Palette& palette) {
  const std::vector<chrome::SidebarLine>& lines =
      sidebar_lines(cache, snapshot, Rect::saturate(long{area.width} - 3), palette);
  // The header line is the title row, drawn apart with its "+".
  const std::size_t room = area.height > 3 ? area.height - 3u : 0;
  std::vector<tui::Line> rows;
  for (std::size_t i = offset + 1; i < lines.size() && rows.size() < room; ++i) {
    rows.push_back(lines[i].line);
  }
  rows.resize(room);

  tui::Block block;
  block.borders = tui::Borders::Right;
  block.border_style = tui::Style{}.with_fg(palette.border);
  block.style = tui::Style{}.with_bg(palette.surface);
  block.padding = {1, 1, 2, 0};
  tui::render(block, area, buffer);
  tui::render(tui::Paragraph{std::move(rows), tui::Style{}.with_bg(palette.surface)},
              block.inner(area), buffer);
}

void draw_sessions_title(tui::Buffer& buffer, Rect area, const Cache& cache,
                         const Palette& palette) {
  const long width = area.width;
  const Rect title{Rect::saturate(long{area.x} + 1), area.y, Rect::saturate(width - 2), 1};
  std::string heading = "\u2630 Sessions";
  heading.append(static_cast<std::size_t>(std::max(width - 13, 0L)), ' ');
  heading += "+";
  draw_strip(buffer, title, std::move(heading),
             tui::Style{}.with_fg(palette.text).with_bg(palette.surface));

  std::string filter = cache.session_filter;
  if (cache.filter_focused) filter += "\u258f";
  if (filter.empty()) filter = "Filter sessions";
  const Rect bottom{title.x, Rect::saturate(long{area.bottom()} - 1), title.width, 1};
  draw_strip(buffer, bottom, std::move(filter),
             tui::Style{}.with_fg(palette.faint).with_bg(palette.surface));
}

void draw_details(tui::Buffer& buffer, Rect area, const bridge::Snapshot& snapshot,
                  std::size_t logs_offset, std::size_t details_offset, Cache& cache,
                  const Palette& palette) {
  const std::size_t height = area.height;
  tui::render(tui::Clear{}, area, buffer);
  tui::Block frame;
  frame.borders = tui::Borders::Left;
  frame.border_style = tui::Style{}.with_fg(palette.border);
  frame.style = tui::Style{}.with_bg(palette.surface);
  tui::render(frame, area, buffer);

  tui::Line strip;
  for (const std::string_view tab : chrome::kDetailsTabs) {
    const tui::Style style = tab == snapshot.details_panel.tab
                                 ? tui::Style{}.with_fg(palette.text).with_add(tui::Modifier::Underlined)
                                 : tui::Style{}.with_fg(palette.muted);
    strip.spans.emplace_back(std::string(tab) + " ", style);
  }
  tui::render(tui::Paragraph{{std::move(strip)}, {}},
              Rect{Rect::saturate(long{area.x} + 2), area.y, Rect::saturate(long{area.width} - 3), 1},
              buffer);

  const std::uint16_t row_width = Rect::saturate(long{area.width} - 5);
  const std::vector<tui::Line>& rows = cache.detail_rows(snapshot, palette, row_width).rows;
  std::size_t header = 0;
  std::size_t first = 0;
  if (snapshot.details_panel.tab == "Logs") {
    std::vector<tui::Line> facts = chrome::log_header_rows(snapshot, palette, row_width);
    header = std::min(facts.size(), height > 4 ? height - 4 : 0);
    facts.resize(header);
    tui::render(tui::Paragraph{std::move(facts), {}},
                Rect{Rect::saturate(long{area.x} + 3), Rect::saturate(long{area.y} + 1), row_width,
                     static_cast<std::uint16_t>(header)},
                buffer);
    // The log sticks to its end; the offset counts lines back from it.
    const std::size_t room = height > header + 2 ? height - header - 2 : 0;
    const std::size_t newest_page = rows.size() > room ? rows.size() - room : 0;
    first = newest_page > logs_offset ? newest_page - logs_offset : 0;
  } else {
    const std::size_t room = height > 1 ? height - 1 : 0;
    first = std::min(rows.size() > room ? rows.size() - room : 0, details_offset);
  }

  tui::Block body;
  body.borders = tui::Borders::Left;
  body.border_style = tui::Style{}.with_fg(palette.border);
  body.padding = {2, 2, 1, 0};
  const Rect below{area.x, Rect::saturate(long{area.y} + static_cast<long>(header)), area.width,
                   Rect::saturate(static_cast<long>(height) - static_cast<long>(header))};
  tui::render(body, below, buffer);
  const tui::Rect rows_area = body.inner(below);
  tui::render(tui::Paragraph{rows_window(rows, first, rows_area.height),
                             tui::Style{}.with_fg(palette.text).with_bg(palette.surface)},
              rows_area, buffer);
}

}  // namespace orvane::render

#include "render/chrome/top_bar.hpp"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "render/chrome/breadcrumb.hpp"
#include "render/chrome/status_glyph.hpp"
#include "render/chrome/tab_cells.hpp"
#include "transcript/truncate.hpp"
#include "tui/paragraph.hpp"
#include "unicode/width.hpp"

namespace orvane::render::chrome {

namespace {

tui::Line rule(std::uint16_t width, const tui::Style& style) {
  std::string text;
  for (std::uint16_t i = 0; i < width; ++i) text += "\u2500";
  return tui::Line({tui::Span(std::move(text), style)});
}

// A row whose spans start at given columns: the gap before a span is filled with spaces in
// `gap_style`; a span whose column has already been passed simply follows.
struct PlacedRow {
  tui::Style gap_style;
  tui::Line line{};
  std::size_t width = 0;

  void place(std::size_t column, std::string text, const tui::Style& style) {
    if (width < column) {
      line.spans.emplace_back(std::string(column - width, ' '), gap_style);
      width = column;
    }
    width += unicode::text_width(text);
    line.spans.emplace_back(std::move(text), style);
  }
};

tui::Style button_style(bool open, const Palette& palette) {
  return tui::Style().with_fg(open ? palette.accent : palette.border);
}

tui::Line tab_row(const bridge::Snapshot& snapshot, std::uint16_t width, const tui::Style& bar,
                  const Palette& palette, std::uint64_t tick) {
  PlacedRow row{bar};
  const tui::Style faint = tui::Style().with_fg(palette.faint);
  for (const TopCell& cell : tab_cells(snapshot, width)) {
    switch (cell.kind) {
      case TopCell::Kind::Sessions:
        row.place(cell.start, " \u2630 ", button_style(snapshot.sessions_sidebar, palette));
        // Without tabs the row names the session instead.
        if (snapshot.tabs.empty()) {
          row.place(4,
                    transcript::truncate(snapshot.title, width - std::min<std::size_t>(width, 12)),
                    tui::Style().with_fg(palette.text).with_add(tui::Modifier::Bold));
        }
        break;
      case TopCell::Kind::Tab: {
        const bridge::Session& tab = snapshot.tabs[cell.tab];
        const StatusGlyph glyph = status_glyph(tab.status, palette, tick);
        const tui::Style title =
            tab.active ? tui::Style().with_fg(palette.text).with_add(tui::Modifier::Bold) : faint;
        row.place(cell.start, " ", {});
        row.place(cell.start + 1u, std::string(glyph.text) + " ",
                  tui::Style().with_fg(glyph.color));
        row.place(cell.start + 3u, transcript::truncate(tab.title, kTabTitleColumns), title);
        row.place(cell.end - 3u, " \u00D7 ", faint);
        break;
      }
      case TopCell::Kind::New:
        row.place(cell.start, " + ", tui::Style().with_fg(palette.muted));
        break;
      case TopCell::Kind::Details:
        row.place(cell.start, " \u2590 ", button_style(snapshot.details_sidebar, palette));
        break;
    }
  }
  return std::move(row.line);
}

std::vector<tui::Line> agent_page_header(const bridge::Snapshot& snapshot, std::uint16_t width,
                                         const Palette& palette) {
  const std::string state = snapshot.status == "running" ? "Working" : "Done";
  const std::string model = snapshot.model + " \u00B7 ";
  const std::size_t model_width = unicode::text_width(model);
  const std::string title =
      transcript::truncate(snapshot.title, width - std::min<std::size_t>(width, model_width + 16));
  const std::size_t taken =
      model_width + unicode::text_width(state) + unicode::text_width(title) + 7;
  const std::size_t fill = width - std::min<std::size_t>(width, taken);
  return {
      tui::Line({
          tui::Span("  " + title + std::string(fill, ' ') + " "),
          tui::Span(model, tui::Style().with_fg(palette.muted)),
          tui::Span(state + " "),
          // The details button.
          tui::Span("\u2590", tui::Style().with_fg(palette.border)),
      }),
      rule(width, tui::Style().with_fg(palette.background)),
  };
}

}  // namespace

void draw_top_bar(tui::Buffer& buffer, const bridge::Snapshot& snapshot, tui::Rect band,
                  const Palette& palette, std::uint64_t tick) {
  const tui::Style bar = tui::Style().with_bg(palette.surface);
  tui::Paragraph paragraph{{}, bar};
  if (!snapshot.agent_page.empty()) {
    paragraph.lines = agent_page_header(snapshot, band.width, palette);
    paragraph.style = tui::Style().with_fg(palette.text).with_bg(palette.surface);
  } else if (band.height == 2) {
    paragraph.lines = {breadcrumb_row(snapshot, band, palette, tick),
                       rule(band.width, tui::Style().with_fg(palette.border))};
  } else {
    paragraph.lines = {
        tab_row(snapshot, band.width, bar, palette, tick),
        breadcrumb_row(snapshot, band, palette, tick),
        rule(band.width, tui::Style().with_fg(palette.border).with_bg(palette.surface))};
  }
  tui::render(paragraph, band, buffer);
}

}  // namespace orvane::render::chrome

#include "render/dialogs/panel.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "render/dialogs/dialog_frame.hpp"
#include "render/dialogs/form.hpp"
#include "render/dialogs/panel_area.hpp"
#include "render/dialogs/panel_list.hpp"
#include "render/dialogs/toned_lines.hpp"
#include "render/rows_window.hpp"
#include "render/spinner.hpp"
#include "transcript/build.hpp"
#include "transcript/truncate.hpp"
#include "tui/paragraph.hpp"
#include "unicode/padded.hpp"
#include "unicode/utf8.hpp"

namespace orvane::render::dialogs {

namespace {

using tui::Line;
using tui::Span;
using tui::Style;

std::string panel_title(const bridge::Snapshot& snapshot, std::uint64_t slow_tick) {
  if (!snapshot.panel_loading) return snapshot.panel_title;
  return std::string(spinner_frame(slow_tick)) + " " + snapshot.panel_title + " \u00b7 refreshing";
}

void draw_nav(tui::Frame& frame, tui::Rect column, const bridge::Nav& nav, const Palette& palette) {
  const Style popup = Style{}.with_bg(palette.popup);
  tui::Paragraph paragraph{{}, popup};
  const std::size_t shown = std::min<std::size_t>(nav.items.size(), column.height);
  for (std::size_t i = 0; i < shown; ++i) {
    const bridge::NavEntry& entry = nav.items[i];
    if (entry.heading) {
      paragraph.lines.push_back(Line({Span(
          entry.label,
          Style{}.with_fg(palette.faint).with_bg(palette.popup).with_add(tui::Modifier::Bold))}));
    } else if (std::cmp_equal(i, nav.selected)) {
      // Padded by characters, not columns: the selected entry's band is as wide as the column
      // for the plain labels the bridge sends.
      std::string text = "\u25b8 " + entry.label;
      const std::size_t characters = unicode::code_point_count(text);
      text.append(column.width - std::min<std::size_t>(column.width, characters), ' ');
      paragraph.lines.push_back(Line({Span(
          std::move(text),
          Style{}.with_fg(palette.accent).with_bg(palette.focus).with_add(tui::Modifier::Bold))}));
    } else {
      paragraph.lines.push_back(
          Line({Span("  " + entry.label, Style{}.with_fg(palette.muted).with_bg(palette.popup))}));
    }
  }
  tui::render(paragraph, column, frame.buffer);
}

void draw_list(tui::Frame& frame, tui::Rect content, const bridge::Snapshot& snapshot,
               const View& view, const Palette& palette) {
  const Style faint = Style{}.with_fg(palette.faint).with_bg(palette.popup);
  tui::Paragraph paragraph{{}, Style{}.with_bg(palette.popup)};
  if (snapshot.nav) {
    const std::size_t lines = std::min<std::size_t>(snapshot.panel_lines.size(), 2);
    for (std::size_t i = 0; i < lines; ++i) {
      paragraph.lines.push_back(
          Line({Span(transcript::truncate(snapshot.panel_lines[i], content.width), faint)}));
    }
  }
  paragraph.lines.push_back(Line({Span("Filter ", Style{}.with_fg(palette.faint)),
                                  Span(std::string(view.panel_filter) + "\u258f",
                                       Style{}.with_fg(palette.text)),
                                  Span("   Tab inspect details", Style{}.with_fg(palette.faint))}));
  paragraph.lines.emplace_back();

  const std::vector<PanelRow> rows = panel_rows(snapshot.items, view.panel_filter);
  const std::size_t header = paragraph.lines.size();
  const std::size_t room = content.height > header ? content.height - header : 0;
  const std::size_t first = first_shown_row(rows, view.selection, room);
  for (std::size_t i = first; i < rows.size() && i < first + room; ++i) {
    const PanelRow& row = rows[i];
    if (!row.item) {
      paragraph.lines.push_back(Line({Span(std::string(row.text), Style{}
                                                                      .with_fg(palette.purple)
                                                                      .with_bg(palette.popup)
                                                                      .with_add(tui::Modifier::Bold))}));
      continue;
    }
    const bool selected = *row.item == view.selection;
    std::string text = std::string(" ") + (selected ? "\u25b8" : " ") + " " + std::string(row.text);
    const Style style = selected ? Style{}
                                       .with_fg(palette.text)
                                       .with_bg(palette.focus)
                                       .with_add(tui::Modifier::Bold)
                                 : Style{}.with_fg(palette.muted).with_bg(palette.popup);
    paragraph.lines.push_back(Line({Span(unicode::padded(text, content.width), style)}));
  }
  tui::render(paragraph, content, frame.buffer);
}

void draw_text(tui::Frame& frame, tui::Rect content, const bridge::Snapshot& snapshot,
               std::size_t scroll, Cache& cache, const Palette& palette) {
  const std::vector<Line>& rows = panel_text_rows(cache, snapshot, content.width, palette);
  // A scroll past the end keeps the last page in view.
  const std::size_t last_page = rows.size() > content.height ? rows.size() - content.height : 0;
  tui::render(tui::Paragraph{rows_window(rows, std::min(scroll, last_page), content.height),
                             Style{}.with_bg(palette.popup)},
              content, frame.buffer);
}

std::string joined_lines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += '\n';
    text += lines[i];
  }
  return text;
}

std::vector<Line> text_rows(const bridge::Snapshot& snapshot, std::uint16_t width,
                            const Palette& palette) {
  if (snapshot.panel_format == "markdown") {
    bridge::Content block;
    block.kind = "markdown";
    block.text = joined_lines(snapshot.panel_lines);
    std::vector<Line> rows;
    for (transcript::TranscriptLine& line : transcript::build(block, width, palette)) {
      rows.push_back(std::move(line.line));
    }
    return rows;
  }
  // Tones that do not pair up with the lines say nothing about them.
  if (snapshot.panel_tones.empty() || snapshot.panel_tones.size() != snapshot.panel_lines.size()) {
    return plain_rows(snapshot.panel_lines, width, palette);
  }
  return toned_lines(snapshot.panel_lines, snapshot.panel_tones, width, palette);
}

}  // namespace

const std::vector<Line>& panel_text_rows(Cache& cache, const bridge::Snapshot& snapshot,
                                         std::uint16_t width, const Palette& palette) {
  const std::optional<TextPanel>& held = cache.text_panel;
  if (!held || held->width != width || held->format != snapshot.panel_format ||
      held->lines != snapshot.panel_lines || held->tones != snapshot.panel_tones) {
    cache.text_panel = TextPanel{snapshot.panel_lines, snapshot.panel_tones, snapshot.panel_format,
                                 width, text_rows(snapshot, width, palette)};
  }
  return cache.text_panel->rendered;
}

void draw_panel(tui::Frame& frame, tui::Rect transcript, const bridge::Snapshot& snapshot,
                const View& view, Cache& cache, const Palette& palette) {
  const tui::Rect panel = panel_area(transcript, snapshot);
  tui::Rect content = dialog_frame(frame, panel, panel_title(snapshot, cache.slow_tick), palette,
                                   snapshot.panel_layout == "drawer");
  if (snapshot.nav) {
    const tui::Rect column = nav_rect(panel);
    draw_nav(frame, column, *snapshot.nav, palette);
    const long shift = long{column.width} + 2;
    content.x = tui::Rect::saturate(long{content.x} + shift);
    content.width = tui::Rect::saturate(long{content.width} - shift);
  }
  if (snapshot.form) {
    draw_form(frame, content, *snapshot.form, view.form, palette);
  } else if (!snapshot.items.empty() && !view.panel_text_focus) {
    draw_list(frame, content, snapshot, view, palette);
  } else {
    draw_text(frame, content, snapshot, view.panel_scroll, cache, palette);
  }
}

}  // namespace orvane::render::dialogs

#include "render/cache.hpp"

#include <algorithm>
#include <string_view>

#include "render/chrome/details_rows.hpp"
#include "unicode/grapheme.hpp"
#include "unicode/width.hpp"

namespace orvane::render {

namespace {

tui::Style plain_style(std::string_view line, const Palette& palette) {
  if (line.starts_with('+')) return tui::Style().with_fg(tui::Named::Green);
  if (line.starts_with('-')) return tui::Style().with_fg(tui::Named::Red);
  if (line.starts_with('#') || line.starts_with("Turn ") || line.starts_with("assistant")) {
    return tui::Style().with_fg(palette.accent).with_add(tui::Modifier::Bold);
  }
  return tui::Style().with_fg(palette.text);
}

// Cuts `line` into rows of at most `limit` columns, grapheme by grapheme, without
// looking for word boundaries; a grapheme wider than the limit gets a row of its own.
void push_rows(std::vector<tui::Line>& out, std::string_view line, std::size_t limit,
               const tui::Style& style) {
  std::string row;
  std::size_t row_width = 0;
  for (const std::string_view grapheme : unicode::Graphemes(line)) {
    const std::size_t w = unicode::cluster_width(grapheme);
    if (!row.empty() && row_width + w > limit) {
      out.push_back(tui::Line({tui::Span(std::move(row))}, style));
      row.clear();
      row_width = 0;
    }
    row += grapheme;
    row_width += w;
  }
  out.push_back(tui::Line({tui::Span(std::move(row))}, style));
}

}  // namespace

std::vector<tui::Line> plain_rows(const std::vector<std::string>& plain, std::uint16_t wrap_width,
                                  const Palette& palette) {
  std::vector<tui::Line> rows;
  const std::size_t limit = std::max<std::size_t>(wrap_width, 1);
  for (const std::string& text : plain) {
    std::string_view rest = text;
    while (!rest.empty()) {
      const std::size_t end = rest.find('\n');
      std::string_view line = rest.substr(0, end);
      rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
      if (line.ends_with('\r')) line.remove_suffix(1);
      push_rows(rows, line, limit, plain_style(line, palette));
    }
  }
  return rows;
}

void Cache::update(const std::vector<std::string>& plain, std::uint16_t wrap_width,
                   const Palette& palette) {
  if (blocks.empty() && plain_source == plain && width == wrap_width) return;
  plain_source = plain;
  width = wrap_width;
  lines = {};
  // The lines no longer come from blocks; keeping the blocks would let an unchanged
  // block snapshot skip its rebuild, and keeping their click values would make plain
  // lines clickable.
  blocks.clear();
  actions = {};
  for (tui::Line& row : plain_rows(plain, wrap_width, palette)) lines.push(std::move(row));
}

const DetailsRows& Cache::detail_rows(const bridge::Snapshot& snapshot, const Palette& palette,
                                      std::uint16_t wrap_width) {
  if (!details_rows || details_rows->revision != snapshot.revision ||
      details_rows->width != wrap_width) {
    chrome::DetailsContent content = chrome::details_rows(snapshot, palette, wrap_width);
    details_rows = DetailsRows{snapshot.revision, wrap_width, std::move(content.lines),
                               std::move(content.targets)};
  }
  return *details_rows;
}

void Cache::reset() {
  width = 0;
  parts.clear();
  blocks.clear();
  sidebar_rows.reset();
  details_rows.reset();
  // An open text panel keeps its rows by text and width only; they carry the old colours.
  text_panel.reset();
}

}  // namespace orvane::render

#include "render/selection.hpp"

#include <algorithm>
#include <tuple>
#include <utility>

#include "unicode/grapheme.hpp"
#include "unicode/properties.hpp"
#include "unicode/utf8.hpp"
#include "unicode/width.hpp"

namespace orvane::render {

namespace {

// A grapheme covering columns [column, column + width) overlaps [start, end); a zero-width
// one only strictly inside.
bool overlaps(std::size_t column, std::size_t width, std::size_t start, std::size_t end) {
  return start < column + width && column < end;
}

void trim_trailing_white_space(std::string& text) {
  while (!text.empty()) {
    const std::size_t start = unicode::code_point_start(text, text.size());
    if (!unicode::is_white_space(unicode::decode(text, start).code_point)) break;
    text.resize(start);
  }
}

std::string selected_in_line(const tui::Line& line, std::size_t start, std::size_t end) {
  std::string text;
  std::size_t column = 0;
  for (const tui::Span& span : line.spans) {
    for (const std::string_view grapheme : unicode::Graphemes(span.content)) {
      const std::size_t width = unicode::cluster_width(grapheme);
      if (overlaps(column, width, start, end)) text += grapheme;
      column += width;
    }
  }
  trim_trailing_white_space(text);
  return text;
}

}  // namespace

std::pair<TextPoint, TextPoint> ordered(const Selection& selection) {
  const auto key = [](const TextPoint& p) { return std::tie(p.line, p.column); };
  if (key(selection.head) < key(selection.anchor)) return {selection.head, selection.anchor};
  return {selection.anchor, selection.head};
}

tui::Line highlight(const tui::Line& line, std::size_t start, std::size_t end) {
  tui::Line out;
  std::size_t column = 0;
  for (const tui::Span& span : line.spans) {
    tui::Style reversed = span.style;
    reversed.with_add(tui::Modifier::Reversed);
    std::string run;
    bool run_selected = false;
    for (const std::string_view grapheme : unicode::Graphemes(span.content)) {
      const std::size_t width = unicode::cluster_width(grapheme);
      const bool selected = overlaps(column, width, start, end);
      column += width;
      if (!run.empty() && selected != run_selected) {
        out.spans.emplace_back(std::move(run), run_selected ? reversed : span.style);
        run.clear();
      }
      run_selected = selected;
      run += grapheme;
    }
    if (!run.empty()) out.spans.emplace_back(std::move(run), run_selected ? reversed : span.style);
  }
  return out;
}

std::string selected_text(const Cache& cache) {
  if (!cache.selection || cache.lines.len == 0) return {};
  const auto [first, last] = ordered(*cache.selection);
  const std::size_t end_line = std::min(last.line, cache.lines.len - 1);
  std::string text;
  for (std::size_t index = first.line; index <= end_line; ++index) {
    if (index > first.line) text += '\n';
    text += selected_in_line(*cache.lines.get(index), index == first.line ? first.column : 0,
                             index == last.line ? last.column : kLineEnd);
  }
  return text;
}

}  // namespace orvane::render

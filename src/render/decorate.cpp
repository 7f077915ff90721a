#include "render/decorate.hpp"

#include <optional>
#include <utility>

#include "render/selection.hpp"
#include "render/spinner.hpp"

namespace orvane::render {

tui::Line with_focus(tui::Line line, const tui::Color& color) {
  line.style.bg = color;
  for (tui::Span& span : line.spans) span.style.bg = color;
  return line;
}

std::vector<tui::Line> visible_lines(const Cache& cache, std::size_t top, std::size_t count,
                                     const Palette& palette) {
  std::vector<tui::Line> out;
  std::optional<std::pair<TextPoint, TextPoint>> selected;
  if (cache.selection) selected = ordered(*cache.selection);
  for (std::size_t index = top; index < cache.lines.len && index - top < count; ++index) {
    tui::Line line = with_spinner(*cache.lines.get(index), cache.slow_tick);
    if (selected && selected->first.line <= index && index <= selected->second.line) {
      line = highlight(line, index == selected->first.line ? selected->first.column : 0,
                       index == selected->second.line ? selected->second.column : kLineEnd);
    }
    const std::optional<Target>& focus = cache.focus_range;
    if (focus && focus->first <= index && index <= focus->last) {
      line = with_focus(std::move(line), palette.focus);
    }
    out.push_back(std::move(line));
  }
  return out;
}

}  // namespace orvane::render

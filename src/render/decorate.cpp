#include "render/decorate.hpp"

#include <optional>
#include <utility>

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
  for (std::size_t index = top; index < cache.lines.len && index - top < count; ++index) {
    tui::Line line = with_spinner(*cache.lines.get(index), cache.slow_tick);
    const std::optional<Target>& focus = cache.focus_range;
    if (focus && focus->first <= index && index <= focus->last) {
      line = with_focus(std::move(line), palette.focus);
    }
    out.push_back(std::move(line));
  }
  return out;
}

}  // namespace orvane::render

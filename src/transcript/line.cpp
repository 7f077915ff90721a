#include "transcript/line.hpp"

#include <string>
#include <utility>

#include "unicode/width.hpp"

namespace orvane::transcript {

tui::Line line(std::vector<tui::Span> prefix, Row cells, bool fill, std::size_t width,
               const tui::Style& base) {
  std::size_t total = 0;
  for (const tui::Span& span : prefix) total += unicode::text_width(span.content);

  std::vector<tui::Span> spans = std::move(prefix);
  const std::size_t merged_from = spans.size();
  // Cells cut from one span share a style, so styles are patched and compared per run.
  for (auto run = cells.begin(); run != cells.end();) {
    auto end = run;
    std::size_t bytes = 0;
    for (; end != cells.end() && end->style == run->style; ++end) {
      bytes += end->text.size();
      total += end->width;
    }
    tui::Style style = tui::patch(base, run->style);
    if (spans.size() == merged_from || spans.back().style != style) {
      spans.emplace_back(std::string(), style);
      spans.back().content.reserve(bytes);
    }
    for (; run != end; ++run) spans.back().content += run->text;
  }
  if (fill && total < width) spans.emplace_back(std::string(width - total, ' '), base);
  return tui::Line(std::move(spans));
}

}  // namespace orvane::transcript

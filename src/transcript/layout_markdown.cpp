#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "markdown/lines.hpp"
#include "transcript/layouts.hpp"
#include "unicode/width.hpp"

namespace orvane::transcript {

// Each markdown row is wrapped on its own, its continuation lines hanging under the
// first line's content; rows with a background (code, quotes) are filled to the
// row width so the background forms a solid band.
void markdown_text(std::vector<TranscriptLine>& out, const bridge::Content& block,
                   std::size_t width, const render::Palette& palette) {
  const std::size_t row_width = width - 2;
  for (markdown::Row& row :
       markdown::lines(block.text, palette, static_cast<std::uint16_t>(width))) {
    if (row.blank) {
      out.push_back({tui::Line(), block.operation});
      continue;
    }
    std::size_t prefix_width = 0;
    for (const tui::Span& span : row.prefix) prefix_width += unicode::text_width(span.content);
    RowStyle style{tui::Style(), row.row_background.has_value(), row_width};
    style.base.bg = row.row_background;

    std::vector<tui::Span> first;
    first.reserve(row.prefix.size() + row.spans.size() + 2);
    first.emplace_back("    ");
    std::move(row.prefix.begin(), row.prefix.end(), std::back_inserter(first));
    std::vector<tui::Span> rest{tui::Span("    ")};
    if (prefix_width > 0) rest.emplace_back(std::string(prefix_width, ' '), style.base);
    const std::size_t taken = prefix_width + 4;
    append_wrapped(out, std::move(row.spans), row_width > taken ? row_width - taken : 1,
                   std::move(first), rest, style, block.operation);
  }
}

}  // namespace orvane::transcript

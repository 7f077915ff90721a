#include <vector>

#include "transcript/layouts.hpp"

namespace orvane::transcript {

void collapsed_block(std::vector<TranscriptLine>& out, const bridge::Content& block,
                     std::size_t width, const render::Palette& palette) {
  append_indented(
      out,
      {tui::Span(flowed(block.title), tui::Style().with_fg(palette.muted)), tui::Span("  "),
       tui::Span(flowed(block.text), tui::Style().with_fg(palette.faint))},
      4, width, block.operation);
}

}  // namespace orvane::transcript

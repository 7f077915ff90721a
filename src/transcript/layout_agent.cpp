#include <vector>

#include "transcript/color.hpp"
#include "transcript/layouts.hpp"

namespace orvane::transcript {

void agent_heading(std::vector<TranscriptLine>& out, const bridge::Content& block,
                   std::size_t width, const render::Palette& palette) {
  const tui::Color token = color(block.color, palette.blue, palette);
  append_indented(
      out,
      {tui::Span("\u25C6", tui::Style().with_fg(token)), tui::Span(" "),
       tui::Span(block.title, tui::Style().with_fg(token).with_add(tui::Modifier::Bold))},
      2, width, block.operation);
}

}  // namespace orvane::transcript

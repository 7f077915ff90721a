#include <vector>

#include "transcript/layouts.hpp"
#include "transcript/text_lines.hpp"

namespace orvane::transcript {

void generic_block(std::vector<TranscriptLine>& out, const bridge::Content& block,
                   std::size_t width, const render::Palette& palette) {
  if (!block.title.empty()) {
    append_indented(out,
                    {tui::Span(block.title,
                               tui::Style().with_fg(palette.accent).with_add(tui::Modifier::Bold))},
                    2, width, block.operation);
  }
  const tui::Style text = tui::Style().with_fg(palette.text);
  for (const std::string_view line : text_lines(block.text)) {
    append_indented(out, {tui::Span(std::string(line), text)}, 2, width, block.operation);
  }
}

}  // namespace orvane::transcript

#include <vector>

#include "transcript/layouts.hpp"
#include "transcript/text_lines.hpp"

namespace orvane::transcript {

void thought(std::vector<TranscriptLine>& out, const bridge::Content& block, std::size_t width,
             const render::Palette& palette) {
  append_indented(
      out,
      {tui::Span("\u25C7", tui::Style().with_fg(palette.purple)), tui::Span(" "),
       tui::Span(block.title, tui::Style().with_fg(palette.muted).with_add(tui::Modifier::Italic)),
       tui::Span("  "), tui::Span(block.text, tui::Style().with_fg(palette.faint))},
      2, width, block.operation);
  if (block.detail.empty()) return;
  out.push_back({tui::Line(), block.operation});
  const tui::Style muted = tui::Style().with_fg(palette.muted);
  for (const std::string_view line : text_lines(block.detail)) {
    append_indented(out, {tui::Span(std::string(line), muted)}, 2, width, block.operation);
  }
}

}  // namespace orvane::transcript

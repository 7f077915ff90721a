#include <string>
#include <vector>

#include "transcript/layouts.hpp"
#include "transcript/text_lines.hpp"
#include "transcript/truncate.hpp"

namespace orvane::transcript {

namespace {

// Glyphs that bracket a batch of tools that ran together; any other glyph is not drawn.
bool batch_bracket(std::string_view glyph) {
  return glyph == "\u250C" || glyph == "\u2502" || glyph == "\u2514";
}

}  // namespace

void tool_lines(std::vector<TranscriptLine>& out, const bridge::Content& block, std::size_t width,
                const render::Palette& palette) {
  const tui::Style style =
      tui::Style().with_fg(block.status == "failed" ? palette.error : palette.faint);
  const std::string prefix = batch_bracket(block.batch_glyph) ? " " + block.batch_glyph : "  ";
  for (const std::string_view text : text_lines(block.text)) {
    // Never wrapped: one row per line of output, cut short with an ellipsis.
    out.push_back(
        {tui::Line({tui::Span(prefix + truncate(text, width - 4), style)}), block.operation});
  }
}

}  // namespace orvane::transcript

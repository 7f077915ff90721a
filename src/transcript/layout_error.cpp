#include <vector>

#include "transcript/layouts.hpp"

namespace orvane::transcript {

void error_text(std::vector<TranscriptLine>& out, const bridge::Content& block, std::size_t width,
                const render::Palette& palette) {
  append_indented(out, {tui::Span(flowed(block.text), tui::Style().with_fg(palette.error))}, 2,
                  width, block.operation);
}

}  // namespace orvane::transcript

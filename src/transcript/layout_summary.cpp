#include <string>
#include <vector>

#include "transcript/layouts.hpp"
#include "transcript/truncate.hpp"
#include "unicode/width.hpp"

namespace orvane::transcript {

// Ends two columns before the right edge.
void summary(std::vector<TranscriptLine>& out, const bridge::Content& block, std::size_t width,
             const render::Palette& palette) {
  const std::string text = truncate(block.text, width - 4);
  const std::size_t used = unicode::text_width(text) + 2;
  std::string padded(width > used ? width - used : 0, ' ');
  padded += text;
  out.push_back({tui::Line({tui::Span(std::move(padded), tui::Style().with_fg(palette.faint))}),
                 block.operation});
}

}  // namespace orvane::transcript

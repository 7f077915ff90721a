#include "transcript/indented.hpp"

#include <string>
#include <utility>

#include "transcript/line.hpp"
#include "transcript/wrap.hpp"

namespace orvane::transcript {

void indented(std::vector<TranscriptLine>& out, std::vector<tui::Span> spans, std::size_t indent,
              std::size_t width, const std::optional<bridge::JsonValue>& click) {
  // Saturating: callers keep width ≥ indent + 3, and a wrap width of 0 is read as 1.
  const std::size_t margins = indent + 2;
  const std::size_t wrap_width = width > margins ? width - margins : 0;
  for (Row& row : wrap(spans, wrap_width)) {
    std::vector<tui::Span> prefix;
    prefix.emplace_back(std::string(indent, ' '));
    out.push_back(
        TranscriptLine{line(std::move(prefix), std::move(row), false, 0, tui::Style()), click});
  }
}

}  // namespace orvane::transcript

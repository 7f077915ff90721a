#include "render/spinner.hpp"

#include <algorithm>
#include <string>

namespace orvane::render {

namespace {

bool has_placeholder(const tui::Span& span) {
  return span.content.find(kSpinnerPlaceholder) != std::string::npos;
}

}  // namespace

std::string_view spinner_frame(std::uint64_t tick) {
  static constexpr std::string_view kFrames[] = {"⠋", "⠙", "⠹", "⠸", "⠼", "⠴", "⠦", "⠧", "⠇", "⠏"};
  return kFrames[tick % 10];
}

tui::Line with_spinner(const tui::Line& line, std::uint64_t tick) {
  tui::Line out = line;
  if (std::none_of(line.spans.begin(), line.spans.end(), has_placeholder)) return out;
  const std::string_view frame = spinner_frame(tick);
  for (tui::Span& span : out.spans) {
    std::string& text = span.content;
    for (std::size_t at = text.find(kSpinnerPlaceholder); at != std::string::npos;
         at = text.find(kSpinnerPlaceholder, at + frame.size())) {
      text.replace(at, kSpinnerPlaceholder.size(), frame);
    }
  }
  return out;
}

}  // namespace orvane::render

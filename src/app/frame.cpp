#include "app/frame.hpp"

#include "tui/paragraph.hpp"

namespace orvane::app {

void draw_frame(const LoopState& state, tui::Frame& frame) {
  tui::Paragraph paragraph;
  const auto& lines = state.snapshot.lines;
  const std::size_t first = lines.size() > frame.area.height ? lines.size() - frame.area.height : 0;
  for (std::size_t i = first; i < lines.size(); ++i) paragraph.lines.push_back(tui::Line({tui::Span(lines[i])}));
  tui::render(paragraph, frame.area, frame.buffer);
}

}  // namespace orvane::app

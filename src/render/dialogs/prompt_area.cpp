#include "render/dialogs/prompt_area.hpp"

#include <algorithm>

#include "tui/layout.hpp"

namespace orvane::render::dialogs {

tui::Rect prompt_area(tui::Rect transcript, const bridge::Prompt& prompt) {
  const std::size_t lines = prompt.lines.size();
  const std::size_t base = lines == 0 ? 4 : lines <= 5 ? lines + 3 : 9;
  const std::size_t wanted = base + (prompt.kind == "question" ? 1 : 0) + prompt.choices.size();
  const auto height = static_cast<std::uint16_t>(std::min<std::size_t>(transcript.height, wanted));
  return tui::Rect{transcript.x, static_cast<std::uint16_t>(transcript.bottom() - height),
                   transcript.width, height};
}

PromptRegions prompt_regions(tui::Rect area, std::size_t choices) {
  const tui::Rect inner = area.inner(2, 2, 1, 0);
  const std::size_t rows =
      std::min<std::size_t>(area.height > 2 ? area.height - 2u : 0u, choices + 2);
  const auto pieces = tui::split(inner, tui::Direction::Vertical,
                                 {tui::Min{1}, tui::Length{static_cast<std::uint16_t>(rows)}});
  return PromptRegions{pieces[0], pieces[1]};
}

}  // namespace orvane::render::dialogs

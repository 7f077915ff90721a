#include "render/dialogs/completion.hpp"

#include <algorithm>

#include "render/palette.hpp"
#include "transcript/truncate.hpp"
#include "tui/clear.hpp"
#include "tui/paragraph.hpp"
#include "unicode/padded.hpp"

namespace orvane::render::dialogs {

namespace {

constexpr std::size_t kWindow = 8;
constexpr const char* kHint = "  \u2191\u2193 choose \u00b7 Enter select \u00b7 Esc close";

}  // namespace

tui::Rect completion_area(tui::Rect area, std::size_t candidates) {
  const std::size_t wanted = candidates < kWindow ? candidates + 1 : kWindow + 1;
  const auto height = static_cast<std::uint16_t>(std::min<std::size_t>(area.height, wanted));
  const std::uint16_t top = area.bottom() > height ? static_cast<std::uint16_t>(area.bottom() - height) : 0;
  return tui::Rect{area.x, top, area.width, tui::Rect::saturate(std::min<long>(height, 65535L - top))};
}

std::size_t first_completion_shown(std::size_t selected) {
  return selected >= kWindow - 1 ? selected - (kWindow - 1) : 0;
}

void completion(tui::Frame& frame, const bridge::Snapshot& overlay, tui::Rect area, std::size_t selected) {
  const Palette palette = Palette::make(is_light(overlay.theme));
  const auto& candidates = overlay.completions;
  const tui::Rect popup = completion_area(area, candidates.size());
  const std::size_t text_width = popup.width > 2 ? popup.width - 2u : 0u;

  tui::Paragraph paragraph;
  paragraph.style = tui::Style{}.with_fg(palette.text).with_bg(palette.popup);
  paragraph.lines.push_back(tui::Line({tui::Span(kHint, tui::Style{}.with_fg(palette.faint))}));
  const std::size_t first = first_completion_shown(selected);
  const std::size_t end = std::min(candidates.size(), first + kWindow);
  for (std::size_t i = first; i < end; ++i) {
    std::string text = std::string("  ") + (i == selected ? "\u25b8" : " ") + " " + candidates[i];
    text = unicode::padded(transcript::truncate(text, text_width), text_width);
    const tui::Style style = i == selected ? tui::Style{}.with_fg(palette.text).with_bg(palette.focus)
                                           : tui::Style{}.with_fg(palette.muted).with_bg(palette.popup);
    paragraph.lines.push_back(tui::Line({tui::Span(std::move(text), style)}));
  }
  tui::render(tui::Clear{}, popup, frame.buffer);
  tui::render(paragraph, popup, frame.buffer);
}

}  // namespace orvane::render::dialogs

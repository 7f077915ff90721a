#include "render/composer_geometry.hpp"

#include <algorithm>
#include <vector>

#include "render/animating.hpp"
#include "render/editor_view.hpp"
#include "render/palette.hpp"
#include "render/regions.hpp"
#include "tui/layout.hpp"

namespace orvane::render {

namespace {

constexpr std::uint16_t kSubAgentHeight = 3;

std::uint16_t less(std::uint16_t a, std::uint16_t b) {
  return a > b ? a - b : 0;
}

}  // namespace

std::uint16_t composer_height(tui::Rect area, const editor::Editor& editor,
                              const bridge::Snapshot& snapshot) {
  if (!snapshot.agent_page.empty()) return kSubAgentHeight;
  const std::uint16_t text_width = less(regions(area, snapshot, 0).composer.width, 9);

  editor::Editor copy;
  copy.text = editor.text;
  copy.cursor = std::min(editor.cursor, editor.text.size());
  if (voice_active(snapshot)) {
    copy.text.insert(copy.cursor, snapshot.voice_preview);
    copy.cursor += snapshot.voice_preview.size();
  }

  const std::size_t rows = editor_view(copy, false, Palette::make(false), text_width, 65535).size();
  const std::size_t text_rows = std::clamp<std::size_t>(rows, 3, 22);
  const std::size_t queued = std::min<std::size_t>(snapshot.queue_lines.size(), kQueuedShown);
  const auto want = static_cast<std::uint16_t>(text_rows + queued + 4);
  const std::uint16_t height = area.height;
  return std::max(std::min<std::uint16_t>(height, 6), std::min(want, less(height, 7)));
}

ComposerRows composer_rows(tui::Rect composer, std::size_t queued) {
  const auto queue_height =
      static_cast<std::uint16_t>(std::min<std::size_t>(queued + 1, kQueuedShown + 1));
  const std::vector<tui::Rect> rows =
      tui::split(composer, tui::Direction::Vertical,
                 {tui::Length{queue_height}, tui::Min{4}, tui::Length{1}, tui::Length{1}});
  return {rows[0], rows[1], rows[2], rows[3]};
}

}  // namespace orvane::render

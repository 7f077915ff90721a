#include "render/composer_hits.hpp"

#include <cstddef>

#include "render/composer_geometry.hpp"
#include "render/control_layout.hpp"
#include "unicode/width.hpp"

namespace orvane::render {

namespace {

// The controls start 5 columns into the composer, after the bar and its padding, and the
// row keeps 4 columns free at the right.
constexpr std::size_t kControlsLeft = 5;
constexpr std::size_t kControlsRightMargin = 4;
constexpr std::size_t kControlsInset = kControlsLeft + kControlsRightMargin;

bool on_control_row(tui::Rect composer, const bridge::Snapshot& snapshot, std::uint16_t row) {
  return snapshot.agent_page.empty() &&
         row == composer_rows(composer, snapshot.queue_lines.size()).controls.y;
}

ControlLayout controls(tui::Rect composer, const bridge::Snapshot& snapshot) {
  const std::size_t width = composer.width > kControlsInset ? composer.width - kControlsInset : 0;
  return control_layout(snapshot, width);
}

}  // namespace

bool composer_context_at(tui::Rect composer, const bridge::Snapshot& snapshot, std::uint16_t column,
                         std::uint16_t row) {
  if (!on_control_row(composer, snapshot, row)) return false;
  const ControlLayout layout = controls(composer, snapshot);
  const std::size_t right = composer.right();
  return column >= composer.x + kControlsLeft + layout.status_x &&
         column + kControlsRightMargin < right;
}

std::optional<std::string_view> composer_control_at(tui::Rect composer,
                                                    const bridge::Snapshot& snapshot,
                                                    std::uint16_t column, std::uint16_t row) {
  if (!on_control_row(composer, snapshot, row)) return std::nullopt;
  std::size_t start = composer.x + kControlsLeft;
  for (const ControlItem& item : controls(composer, snapshot).items) {
    const std::size_t end = start + unicode::text_width(item.label);
    if (column >= start && column < end) return item.command;
    start = end + kControlSeparatorWidth;
  }
  return std::nullopt;
}

}  // namespace orvane::render

#include <algorithm>
#include <cstddef>
#include <limits>

#include "app/mouse_handlers.hpp"
#include "render/dialogs/panel_list.hpp"

namespace orvane::app {

namespace {

constexpr std::size_t kUnbounded = std::numeric_limits<std::size_t>::max();

// One wheel step from `value`: up to `most` when increasing, down to 0 otherwise.
std::size_t stepped(std::size_t value, bool increase, std::size_t most) {
  return increase ? std::min(value + kWheelStep, most) : minus(value, kWheelStep);
}

}  // namespace

Handled wheel(LoopState& state, const MouseContext& context, const term::MouseEvent& event) {
  const bool down = event.kind == term::MouseKind::ScrollDown;
  const bridge::Snapshot& snapshot = state.snapshot;
  const render::Regions& regions = state.regions;
  const std::uint16_t column = event.column;
  const std::uint16_t row = event.row;

  // An open panel takes the wheel wherever the pointer is: its list moves the selection.
  if (!snapshot.panel_title.empty()) {
    if (!snapshot.form && !snapshot.items.empty() && !state.panel_text_focus) {
      const std::size_t matching = render::dialogs::matching_items(snapshot.items, state.panel_filter);
      state.selection = stepped(state.selection, down, minus(matching, 1));
    } else {
      state.panel_scroll = stepped(state.panel_scroll, down, kUnbounded);
    }
    return consumed();
  }

  const tui::Rect details = regions.details;
  if (details.contains(column, row)) {
    if (state.logs_view) {
      // The offset counts back from the newest line: up adds.
      state.logs_offset = stepped(state.logs_offset, !down, snapshot.logs.size());
      return consumed();
    }
    const bool header_row =
        row == details.top() || (row == details.top() + 1 && snapshot.details_panel.tab == "Logs");
    if (down && header_row) return details_press(state, context, event);
    if (down) state.details_focus = true;
    state.details_offset = stepped(state.details_offset, down, details_last_top(state));
    return consumed();
  }

  const tui::Rect sessions = regions.sessions;
  if (sessions.contains(column, row)) {
    const std::size_t room = minus(sessions.height, 3);
    state.sidebar_offset =
        stepped(state.sidebar_offset, down, minus(sidebar_lines(state).size(), room));
    return consumed();
  }

  if (!snapshot.prompt) {
    if (down) {
      scroll_down(state, kWheelStep);
    } else {
      scroll_up(state, kWheelStep);
    }
  } else {
    // The prompt's body scrolls by the panel offset.
    state.panel_scroll = stepped(state.panel_scroll, down, kUnbounded);
  }
  return consumed();
}

}  // namespace orvane::app

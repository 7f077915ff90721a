#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/completion.hpp"
#include "app/mouse_handlers.hpp"
#include "input/message_send.hpp"
#include "input/messages.hpp"
#include "render/chrome/details_rows.hpp"
#include "render/chrome/session_sidebar.hpp"
#include "render/chrome/tab_cells.hpp"
#include "render/chrome/update_notice.hpp"
#include "render/composer_hits.hpp"
#include "render/dialogs/completion.hpp"
#include "render/dialogs/panel_area.hpp"
#include "render/dialogs/panel_list.hpp"
#include "render/dialogs/prompt_area.hpp"
#include "render/palette.hpp"

namespace orvane::app {

namespace {

namespace chrome = render::chrome;
namespace dialogs = render::dialogs;
using term::MouseEvent;

render::Palette palette_of(const LoopState& state) {
  return render::Palette::make(render::is_light(state.snapshot.theme));
}

Handled update_notice_press(LoopState& state, const MouseContext& context,
                            const MouseEvent& event) {
  if (!chrome::update_notice_at(state.snapshot, state.regions.top, event.column, event.row)) {
    return std::nullopt;
  }
  return sent(input::action(context.keys.outbox, "update_help", ""));
}

Handled popup_press(LoopState& state, const MouseContext&, const MouseEvent& event) {
  if (!popup_active(state)) return std::nullopt;
  const std::vector<std::string>& candidates = state.overlay.completions;
  const tui::Rect popup = dialogs::completion_area(state.regions.transcript, candidates.size());
  if (!popup.contains(event.column, event.row)) return std::nullopt;
  // The hint row comes first, then the window of candidates as drawn.
  if (event.row > popup.top()) {
    const std::size_t index =
        dialogs::first_completion_shown(state.popup_selection) + (event.row - popup.top() - 1u);
    if (index < candidates.size()) accept_clicked(state, candidates[index]);
  }
  return consumed();
}

// An open panel takes every press: outside it closes it.
Handled panel_press(LoopState& state, const MouseContext& context, const MouseEvent& event) {
  const bridge::Snapshot& snapshot = state.snapshot;
  if (snapshot.panel_title.empty()) return std::nullopt;
  input::Outbox& outbox = context.keys.outbox;
  const tui::Rect panel = dialogs::panel_area(state.regions.transcript, snapshot);
  if (snapshot.nav) {
    const tui::Rect nav = dialogs::nav_rect(panel);
    if (nav.contains(event.column, event.row)) {
      const std::size_t i = event.row - nav.top();
      const std::vector<bridge::NavEntry>& entries = snapshot.nav->items;
      if (i < entries.size() && !entries[i].heading) {
        return sent(input::send(outbox, input::nav_select_message(snapshot.generation, i)));
      }
      return consumed();
    }
  }
  if (!panel.contains(event.column, event.row)) return sent(input::action(outbox, "dismiss", ""));
  if (!snapshot.form && !state.panel_text_focus) {
    const std::optional<std::size_t> item =
        dialogs::panel_item_at(snapshot, panel, state.panel_filter, state.selection, event.row);
    if (item) {
      state.selection = *item;
      return sent(input::pick(outbox, snapshot, *item, state.panel_filter));
    }
  }
  return consumed();
}

// A prompt takes every press; only its enabled choices answer.
Handled prompt_press(LoopState& state, const MouseContext& context, const MouseEvent& event) {
  const bridge::Snapshot& snapshot = state.snapshot;
  if (!snapshot.prompt) return std::nullopt;
  const bridge::Prompt& prompt = *snapshot.prompt;
  const tui::Rect choices =
      dialogs::prompt_regions(dialogs::prompt_area(state.regions.transcript, prompt),
                              prompt.choices.size())
          .choices;
  if (choices.contains(event.column, event.row)) {
    const std::size_t i = event.row - choices.top();
    if (i < prompt.choices.size() && !prompt.choices[i].disabled) {
      return sent(input::send(
          context.keys.outbox,
          input::answer_message(snapshot.generation, prompt.id, prompt.choices[i].value)));
    }
  }
  return consumed();
}

// The control row of the composer, unless the details sidebar lies over it: the controls,
// then the context status at the right end, where such an overlay sits.
Handled composer_press(LoopState& state, const MouseContext& context, const MouseEvent& event) {
  if (state.regions.details.contains(event.column, event.row)) return std::nullopt;
  const tui::Rect composer = state.regions.composer;
  if (const auto command =
          render::composer_control_at(composer, state.snapshot, event.column, event.row)) {
    return sent(input::action(context.keys.outbox, "command", *command));
  }
  if (render::composer_context_at(composer, state.snapshot, event.column, event.row)) {
    return sent(input::action(context.keys.outbox, "context_popover", ""));
  }
  return std::nullopt;
}

// What the sessions sidebar shows on `row`, below its title row. The row right under the
// title is blank: the line the count would map there is not drawn, so it must not be hit.
std::optional<chrome::SidebarHit> sidebar_hit(const LoopState& state, std::uint16_t row) {
  const std::size_t top = state.regions.sessions.top();
  if (row < top + 2) return std::nullopt;
  const std::size_t line = state.sidebar_offset + (row - top - 1u);
  const std::vector<chrome::SidebarLine> lines = sidebar_lines(state);
  return line < lines.size() ? lines[line].hit : std::nullopt;
}

// The session an entry line stands for, when it still exists.
const bridge::Session* sidebar_session(const LoopState& state,
                                       const std::optional<chrome::SidebarHit>& hit) {
  const auto* entry = hit ? std::get_if<chrome::SidebarEntry>(&*hit) : nullptr;
  const std::vector<bridge::Session>& sessions = state.snapshot.sessions;
  return entry && entry->index < sessions.size() ? &sessions[entry->index] : nullptr;
}

Handled sessions_press(LoopState& state, const MouseContext& context, const MouseEvent& event) {
  const tui::Rect sessions = state.regions.sessions;
  if (!sessions.contains(event.column, event.row)) return std::nullopt;
  input::Outbox& outbox = context.keys.outbox;
  state.details_focus = false;
  if (event.row == sessions.bottom() - 1) {
    state.sidebar_filter_mode = true;
    return consumed();
  }
  if (event.row == sessions.top()) {
    // The "☰" on the left closes the sidebar, the "+" on the right starts a session.
    if (event.column - sessions.left() < 4) {
      return sent(input::send(outbox, input::toggle_message(input::Sidebar::kSessions)));
    }
    if (event.column + 4 >= sessions.right()) return sent(input::action(outbox, "command", "/new"));
    return consumed();
  }
  const std::optional<chrome::SidebarHit> hit = sidebar_hit(state, event.row);
  if (!hit) return consumed();
  if (std::holds_alternative<chrome::SidebarHeader>(*hit)) {
    return sent(input::action(outbox, "command", "/new"));
  }
  if (std::holds_alternative<chrome::SidebarArchived>(*hit)) {
    return sent(input::action(outbox, "command", "/archived"));
  }
  if (const bridge::Session* session = sidebar_session(state, hit)) {
    return sent(input::send(outbox, input::session_open_message(state.snapshot.generation,
                                                                session->id, session->workspace)));
  }
  return consumed();
}

// Panels and prompts took every press before this, so a press here starts a selection.
Handled transcript_press(LoopState& state, const MouseContext&, const MouseEvent& event) {
  if (!state.regions.transcript.contains(event.column, event.row)) return std::nullopt;
  start_selection(state, event);
  return consumed();
}

Handled top_press(LoopState& state, const MouseContext& context, const MouseEvent& event) {
  const tui::Rect top = state.regions.top;
  if (!top.contains(event.column, event.row) || event.row >= top.top() + 2) return std::nullopt;
  const bridge::Snapshot& snapshot = state.snapshot;
  const bool first_row = event.row == top.top();
  const std::uint16_t column = event.column - top.left();
  for (const chrome::TopCell& cell : chrome::top_cells(snapshot, top)) {
    if (column < cell.start ||
        column >= std::max(cell.end, static_cast<std::uint16_t>(cell.start + 1))) {
      continue;
    }
    switch (cell.kind) {
      case chrome::TopCell::Kind::Sessions:
        return sessions_sidebar(state, context.keys, top.width);
      case chrome::TopCell::Kind::Tab: {
        if (!first_row) return consumed();
        const bridge::Session& tab = snapshot.tabs[cell.tab];
        // The last three columns hold the close mark.
        const bool close = column + 3 >= cell.end;
        return sent(input::send(
            context.keys.outbox,
            close ? input::tab_close_message(snapshot.generation, tab.id, tab.workspace)
                  : input::session_open_message(snapshot.generation, tab.id, tab.workspace)));
      }
      case chrome::TopCell::Kind::New:
        if (!first_row) return consumed();
        return sent(input::action(context.keys.outbox, "command", "/new"));
      case chrome::TopCell::Kind::Details:
        return details_toggle(state, context.keys);
    }
  }
  return std::nullopt;
}

using PressRule = Handled (*)(LoopState&, const MouseContext&, const MouseEvent&);

// Floating pieces first, in the order they are drawn over each other, then the regions.
constexpr std::array<PressRule, 9> kPressRules = {
    update_notice_press, popup_press,    panel_press,      prompt_press, composer_press,
    details_press,       sessions_press, transcript_press, top_press};

}  // namespace

std::vector<chrome::SidebarLine> sidebar_lines(const LoopState& state) {
  const std::uint16_t width = tui::Rect::saturate(long{state.regions.sessions.width} - 3);
  return chrome::session_sidebar(state.snapshot, palette_of(state), width, 0, state.sidebar_filter);
}

const render::DetailsRows& details_rows(LoopState& state) {
  const std::uint16_t width = tui::Rect::saturate(long{state.regions.details.width} - 5);
  return state.cache.detail_rows(state.snapshot, palette_of(state), width);
}

std::size_t details_last_top(LoopState& state) {
  return minus(details_rows(state).rows.size(), minus(state.regions.details.height, 1));
}

Handled details_press(LoopState& state, const MouseContext& context, const MouseEvent& event) {
  const tui::Rect details = state.regions.details;
  if (!details.contains(event.column, event.row)) return std::nullopt;
  state.details_focus = true;
  input::Outbox& outbox = context.keys.outbox;
  const bridge::DetailsPanel& panel = state.snapshot.details_panel;
  if (event.row == details.top()) {
    if (const auto tab = chrome::details_tab_at(details.left(), event.column)) {
      return sent(input::action(outbox, "details_tab", *tab));
    }
    return consumed();
  }
  if (panel.tab == "Logs" && event.row == details.top() + 1) {
    if (panel.logs_header.empty()) return consumed();
    return sent(input::action(outbox, "copy_text", panel.logs_header.front().value));
  }
  // Keys move the offset past the last page; the frame then shows the last page, so count
  // rows from there.
  const std::size_t first = std::min(state.details_offset, details_last_top(state));
  const std::size_t line = first + (event.row - details.top() - 1u);
  const std::vector<std::optional<std::size_t>>& targets = details_rows(state).targets;
  if (line >= targets.size() || !targets[line] || *targets[line] >= panel.files.size())
    return consumed();
  return sent(input::send(outbox, input::file_toggle_message(state.snapshot.generation,
                                                             panel.files[*targets[line]].path)));
}

Handled left_press(LoopState& state, const MouseContext& context, const MouseEvent& event) {
  for (PressRule rule : kPressRules) {
    if (auto handled = rule(state, context, event)) return handled;
  }
  return std::nullopt;
}

Handled right_press(LoopState& state, const MouseContext& context, const MouseEvent& event) {
  const bridge::Snapshot& snapshot = state.snapshot;
  const tui::Rect sessions = state.regions.sessions;
  if (!snapshot.panel_title.empty() || snapshot.prompt ||
      !sessions.contains(event.column, event.row) || event.row == sessions.top() ||
      event.row == sessions.bottom() - 1) {
    return std::nullopt;
  }
  const bridge::Session* session = sidebar_session(state, sidebar_hit(state, event.row));
  if (!session) return std::nullopt;
  return sent(input::send(
      context.keys.outbox,
      input::session_actions_message(snapshot.generation, session->id, session->workspace)));
}

}  // namespace orvane::app

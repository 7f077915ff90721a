#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "app/mouse_handlers.hpp"
#include "input/base64.hpp"
#include "input/message_send.hpp"
#include "input/messages.hpp"
#include "render/selection.hpp"

namespace orvane::app {

namespace {

// A drag that ends on its own line within a cell of where it started is a click.
constexpr std::size_t kClickColumns = 2;

void set_selection(LoopState& state, const TranscriptSelection& selection) {
  state.transcript_selection = selection;
  state.cache.selection = render::Selection{{selection.anchor_line, selection.anchor_column},
                                            {selection.head_line, selection.head_column}};
}

bool is_click(const std::optional<TranscriptSelection>& selection) {
  if (!selection || !selection->dragging) return true;
  const std::size_t apart = std::max(selection->head_column, selection->anchor_column) -
                            std::min(selection->head_column, selection->anchor_column);
  return selection->head_line == selection->anchor_line && apart < kClickColumns;
}

// OSC 52: the terminal puts the text on the system clipboard, even over ssh.
std::string clipboard_sequence(std::string_view text) {
  return "\x1b]52;c;" + input::base64(text) + "\x07";
}

}  // namespace

std::size_t shown_top(const LoopState& state) {
  // A transcript that shrank while scrolled up is drawn from its last page.
  return std::min(effective_offset(state), state.cache.max_top);
}

void start_selection(LoopState& state, const term::MouseEvent& event) {
  const tui::Rect area = state.regions.transcript;
  state.press = render::TextPoint{shown_top(state) + (event.row - area.top()),
                                  minus(event.column, area.left())};
  clear_selection(state);
}

void drag_selection(LoopState& state, const term::MouseEvent& event) {
  if (!state.press) return;
  const tui::Rect area = state.regions.transcript;
  // Past the top or bottom edge the head stays on the edge's line.
  const std::uint16_t last_row = std::max<std::uint16_t>(area.top(), area.bottom() - 1);
  const std::uint16_t row = std::clamp(event.row, area.top(), last_row);
  set_selection(state, TranscriptSelection{true, state.press->line, state.press->column,
                                           shown_top(state) + (row - area.top()),
                                           minus(event.column, area.left()) + 1});
}

Handled release_selection(LoopState& state, const MouseContext& context) {
  if (!state.press) return std::nullopt;
  const render::TextPoint press = *state.press;
  state.press.reset();
  input::Outbox& outbox = context.keys.outbox;
  const std::uint64_t generation = state.snapshot.generation;
  if (!is_click(state.transcript_selection)) {
    // The copied text stays highlighted until the next key or press.
    const std::string text = render::selected_text(state.cache);
    if (text.empty()) return consumed();
    if (const std::error_code error = context.write_terminal(clipboard_sequence(text))) {
      return KeyDispatch{false, error_from(error, "cannot write to the terminal")};
    }
    return sent(input::send(outbox, input::copy_selection_message(generation, text)));
  }
  clear_selection(state);
  const std::optional<bridge::JsonValue>* value = state.cache.actions.get(press.line);
  if (!value || !*value) return consumed();
  return sent(input::send(outbox, input::operation_message(generation, **value)));
}

}  // namespace orvane::app

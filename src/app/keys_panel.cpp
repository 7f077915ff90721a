#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/dispatch_stages.hpp"
#include "input/message_send.hpp"
#include "input/messages.hpp"
#include "render/dialogs/panel_list.hpp"

namespace orvane::app {

namespace {

using term::Key;

constexpr std::size_t kPanelPage = 10;

// The next entry of the navigation list in one direction that is not a heading.
std::optional<std::size_t> nav_step(const bridge::Nav& nav, bool right) {
  const auto count = static_cast<std::int64_t>(nav.items.size());
  // Clamped first, so that a selection far outside the list cannot overflow.
  std::int64_t index = std::clamp<std::int64_t>(nav.selected, -1, count);
  for (index += right ? 1 : -1; index >= 0 && index < count; index += right ? 1 : -1) {
    if (!nav.items[static_cast<std::size_t>(index)].heading) return static_cast<std::size_t>(index);
  }
  return std::nullopt;
}

// Keys scroll the panel text: there is no list, or the text has the keyboard.
Handled text_keys(LoopState& state, const term::KeyEvent& key) {
  if (is(key, Key::Enter)) {
    state.panel_text_focus = false;
  } else if (is(key, Key::Up)) {
    state.panel_scroll = minus(state.panel_scroll, 1);
  } else if (is(key, Key::Down)) {
    ++state.panel_scroll;
  } else if (is(key, Key::PageUp)) {
    state.panel_scroll = minus(state.panel_scroll, kPanelPage);
  } else if (is(key, Key::PageDown)) {
    state.panel_scroll += kPanelPage;
  }
  return consumed();
}

// Keys filter and pick the panel's items.
Handled list_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key) {
  const bridge::Snapshot& snapshot = state.snapshot;
  if (is(key, Key::Backspace)) {
    pop_character(state.panel_filter);
    state.selection = 0;
  } else if (is(key, Key::Enter)) {
    return sent(input::pick(context.outbox, snapshot, state.selection, state.panel_filter));
  } else if (is(key, Key::Up)) {
    state.selection = minus(state.selection, 1);
  } else if (is(key, Key::Down)) {
    const std::size_t count = render::dialogs::matching_items(snapshot.items, state.panel_filter);
    state.selection = std::min(state.selection + 1, minus(count, 1));
  } else if (is_ctrl(key, U'f')) {
    return sent(
        input::send(context.outbox, input::favorite_message(state.selection, state.panel_filter)));
  } else if (is_ctrl(key, U'r')) {
    return sent(input::action(context.outbox, "refresh_models", ""));
  } else if (is_ctrl(key, U's')) {
    if (snapshot.panel_title.starts_with("Models"))
      return sent(input::action(context.outbox, "model_sort", ""));
  } else if (is(key, Key::Char) && !has_ctrl(key)) {
    append_character(state.panel_filter, key.code.value);
    state.selection = 0;
  }
  return consumed();
}

}  // namespace

Handled panel_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key) {
  const bridge::Snapshot& snapshot = state.snapshot;
  if (snapshot.panel_title.empty()) return std::nullopt;
  const bool has_items = !snapshot.items.empty();
  if (snapshot.panel_title == "Provider usage" && (is_char(key, U'r') || is_ctrl(key, U'u'))) {
    return sent(input::action(context.outbox, "command", "/usage"));
  }
  if (is(key, Key::Tab) && has_items) {
    state.panel_text_focus = !state.panel_text_focus;
    return consumed();
  }
  if ((is(key, Key::PageDown) || is(key, Key::PageUp)) && has_items) {
    state.panel_text_focus = true;
    state.panel_scroll = is(key, Key::PageDown) ? state.panel_scroll + kPanelPage
                                                : minus(state.panel_scroll, kPanelPage);
    return consumed();
  }
  if ((is(key, Key::Left) || is(key, Key::Right)) && state.panel_filter.empty() && snapshot.nav) {
    if (const auto entry = nav_step(*snapshot.nav, is(key, Key::Right))) {
      return sent(
          input::send(context.outbox, input::nav_select_message(snapshot.generation, *entry)));
    }
  }
  if (is(key, Key::Esc) || is_ctrl(key, U'c'))
    return sent(input::action(context.outbox, "dismiss", ""));
  if (!has_items || state.panel_text_focus) return text_keys(state, key);
  return list_keys(state, context, key);
}

}  // namespace orvane::app

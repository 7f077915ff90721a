#include <algorithm>
#include <array>
#include <string_view>

#include "app/dispatch_stages.hpp"
#include "input/message_send.hpp"
#include "input/messages.hpp"
#include "render/chrome/details_rows.hpp"
#include "unicode/utf8.hpp"

namespace orvane::app {

namespace {

using term::Key;

constexpr std::size_t kSidebarFilterLength = 80;

std::size_t tab_index(std::string_view tab) {
  const auto& tabs = render::chrome::kDetailsTabs;
  const auto* found = std::find(tabs.begin(), tabs.end(), tab);
  return found == tabs.end() ? 0 : static_cast<std::size_t>(found - tabs.begin());
}

}  // namespace

Handled details_focus_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key) {
  const bridge::Snapshot& snapshot = state.snapshot;
  if (!state.details_focus || !snapshot.panel_title.empty() || snapshot.prompt) return std::nullopt;
  const bridge::DetailsPanel& details = snapshot.details_panel;
  const std::size_t files = details.files.size();
  if (is(key, Key::Enter)) {
    if (details.tab != "Files") return std::nullopt;
    if (state.selected_file >= files) return consumed();
    return sent(
        input::action(context.outbox, "file_toggle", details.files[state.selected_file].path));
  }
  if (is(key, Key::Up)) {
    state.selected_file = minus(state.selected_file, 1);
    state.details_offset = minus(state.details_offset, 1);
    return consumed();
  }
  if (is(key, Key::Down)) {
    state.selected_file = std::min(state.selected_file + 1, minus(files, 1));
    ++state.details_offset;
    return consumed();
  }
  if (is_char(key, U'[') || is_char(key, U']')) {
    const std::size_t step = is_char(key, U'[') ? render::chrome::kDetailsTabs.size() - 1 : 1;
    const std::size_t next = (tab_index(details.tab) + step) % render::chrome::kDetailsTabs.size();
    return sent(input::action(context.outbox, "details_tab", render::chrome::kDetailsTabs[next]));
  }
  if (is_char(key, U'c') && (details.tab == "Logs" || details.tab == "Session")) {
    if (details.logs_header.empty()) return consumed();
    return sent(input::action(context.outbox, "copy_text", details.logs_header.front().value));
  }
  if (is(key, Key::Char)) {
    state.details_focus = false;
    return std::nullopt;
  }
  if (is(key, Key::Esc)) {
    state.details_focus = false;
    if (!details_over_transcript(state.regions)) return consumed();
    return sent(input::send(context.outbox, input::toggle_message(input::Sidebar::kDetails)));
  }
  return std::nullopt;
}

Handled sidebar_filter_keys(LoopState& state, const KeyContext&, const term::KeyEvent& key) {
  if (!state.sidebar_filter_mode) return std::nullopt;
  state.sidebar_offset = 0;
  if (is(key, Key::Backspace)) {
    pop_character(state.sidebar_filter);
  } else if (is(key, Key::Char) && !has_ctrl(key)) {
    if (unicode::code_point_count(state.sidebar_filter) < kSidebarFilterLength)
      append_character(state.sidebar_filter, key.code.value);
  } else if (is(key, Key::Enter)) {
    state.sidebar_filter_mode = false;
  } else if (is(key, Key::Esc)) {
    state.sidebar_filter.clear();
    state.sidebar_filter_mode = false;
  }
  return consumed();
}

}  // namespace orvane::app

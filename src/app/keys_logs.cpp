#include <algorithm>

#include "app/dispatch_stages.hpp"
#include "input/message_send.hpp"
#include "input/messages.hpp"

namespace orvane::app {

namespace {

using term::Key;

constexpr std::size_t kLogsPage = 5;

}  // namespace

// The logs offset counts lines back from the newest, so PageUp goes up to older lines.
Handled logs_view_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key) {
  if (!state.logs_view || !state.snapshot.panel_title.empty()) return std::nullopt;
  if (is(key, Key::PageUp)) {
    state.logs_offset = std::min(state.logs_offset + kLogsPage, state.snapshot.logs.size());
    return consumed();
  }
  if (is(key, Key::PageDown)) {
    state.logs_offset = minus(state.logs_offset, kLogsPage);
    return consumed();
  }
  if (is_ctrl(key, U'a')) return sent(input::action(context.outbox, "logs_fold", ""));
  if (is(key, Key::Esc) || is_ctrl(key, U'c')) {
    state.logs_view = false;
    return sent(input::send(context.outbox, input::logs_message(false)));
  }
  return std::nullopt;
}

}  // namespace orvane::app

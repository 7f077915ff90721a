#include <vector>

#include "app/dispatch_stages.hpp"
#include "input/message_send.hpp"
#include "render/targets.hpp"

namespace orvane::app {

namespace {

using term::Key;

}  // namespace

// A sub-agent page shows its transcript without a composer: keys scroll, Tab walks the
// targets, Up and Esc go back.
Handled page_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key) {
  if (state.snapshot.agent_page.empty() || !state.snapshot.panel_title.empty()) return std::nullopt;
  if (is(key, Key::Up) || is(key, Key::Esc))
    return sent(input::action(context.outbox, "dismiss", ""));
  if (is(key, Key::Down) || is(key, Key::PageDown)) {
    scroll_down(state, is(key, Key::Down) ? 1 : kTranscriptPage);
  } else if (is(key, Key::Home)) {
    state.transcript_offset = 0;
    state.follow = false;
  } else if (is(key, Key::End)) {
    state.follow = true;
  } else if (is(key, Key::PageUp)) {
    scroll_up(state, kTranscriptPage);
  } else if (is(key, Key::Tab) && !render::targets(state.cache).empty()) {
    state.target_mode = true;
    state.target_index = 0;
  }
  return consumed();
}

}  // namespace orvane::app

#include <algorithm>
#include <vector>

#include "app/dispatch_stages.hpp"
#include "input/message_send.hpp"
#include "render/targets.hpp"

namespace orvane::app {

namespace {

using term::Key;

constexpr std::size_t kTranscriptPage = 10;

}  // namespace

// A sub-agent page shows its transcript without a composer: keys scroll, Tab walks the
// targets, Up and Esc go back.
Handled page_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key) {
  if (state.snapshot.agent_page.empty() || !state.snapshot.panel_title.empty()) return std::nullopt;
  const std::size_t offset = effective_offset(state);
  if (is(key, Key::Up) || is(key, Key::Esc))
    return sent(input::action(context.outbox, "dismiss", ""));
  if (is(key, Key::Down) || is(key, Key::PageDown)) {
    const std::size_t step = is(key, Key::Down) ? 1 : kTranscriptPage;
    state.transcript_offset = std::min(offset + step, state.cache.max_top);
    state.follow = false;
  } else if (is(key, Key::Home)) {
    state.transcript_offset = 0;
    state.follow = false;
  } else if (is(key, Key::End)) {
    state.follow = true;
  } else if (is(key, Key::PageUp)) {
    state.transcript_offset = offset < kTranscriptPage ? 0 : offset - kTranscriptPage;
    state.follow = false;
  } else if (is(key, Key::Tab) && !render::targets(state.cache).empty()) {
    state.target_mode = true;
    state.target_index = 0;
  }
  return consumed();
}

}  // namespace orvane::app

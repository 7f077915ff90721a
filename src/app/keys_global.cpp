#include "app/dispatch_stages.hpp"
#include "input/message_send.hpp"
#include "input/messages.hpp"

namespace orvane::app {

using term::Key;

// While recording, any key stops the recording; only Enter and Esc do nothing else.
Handled voice_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key) {
  const std::string& phase = state.snapshot.voice_phase;
  if (phase == "recording") {
    const bool esc = is(key, Key::Esc);
    const bool enter = is(key, Key::Enter);
    if (auto error = input::send(context.outbox, input::voice_stop(esc, enter))) return sent(error);
    if (esc || enter) return consumed();
  } else if (phase == "transcribing" && is(key, Key::Esc)) {
    return sent(input::action(context.outbox, "voice_discard", ""));
  }
  return std::nullopt;
}

Handled quit_key(LoopState&, const KeyContext& context, const term::KeyEvent& key) {
  if (!is_ctrl(key, U'q')) return std::nullopt;
  if (auto error = input::action(context.outbox, "quit", "")) return sent(error);
  return KeyDispatch{true, std::nullopt};
}

// Esc closes a details sidebar that covers the transcript before it does anything else.
Handled details_overlay_key(LoopState& state, const KeyContext& context,
                            const term::KeyEvent& key) {
  if (!is(key, Key::Esc) || !state.snapshot.panel_title.empty() || state.snapshot.prompt ||
      !details_over_transcript(state.regions)) {
    return std::nullopt;
  }
  state.details_focus = false;
  return sent(input::send(context.outbox, input::toggle_message(input::Sidebar::kDetails)));
}

}  // namespace orvane::app

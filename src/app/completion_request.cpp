#include "app/completion_request.hpp"

#include <string>
#include <string_view>

#include "app/completion.hpp"
#include "input/messages.hpp"

namespace orvane::app {

namespace {

std::string_view text_before_cursor(const editor::Editor& composer) {
  return std::string_view(composer.text).substr(0, composer.cursor);
}

// Whether the cursor sits where the bridge can complete: in a "/" or "@" word, or anywhere
// in the arguments of a slash command.
bool completion_wanted(const LoopState& state) {
  if (!state.snapshot.panel_title.empty() || state.snapshot.prompt) return false;
  const std::string_view word = word_at_cursor(state.composer);
  if (word.starts_with('/') || word.starts_with('@')) return true;
  return state.composer.text.starts_with('/') &&
         text_before_cursor(state.composer).find(' ') != std::string_view::npos;
}

std::error_code send_complete(LoopState& state, input::Outbox& outbox) {
  const std::string_view before = text_before_cursor(state.composer);
  state.completion_requested = std::string(before);
  state.completion_deadline.reset();
  return input::send(outbox, input::complete_message(state.snapshot.generation,
                                                     word_at_cursor(state.composer), before));
}

}  // namespace

std::error_code check_completion_request(LoopState& state, input::Outbox& outbox,
                                         Clock::time_point now) {
  const editor::Editor& composer = state.composer;
  if (composer.text != state.completion_seen_text ||
      composer.cursor != state.completion_seen_cursor) {
    // The frame before this check was drawn with the old view; show the new one.
    if (composer.text != state.completion_seen_text && !composer.text.empty() && !state.follow) {
      state.follow = true;
      state.redraw = true;
    }
    if (state.popup_selection != 0) {
      state.popup_selection = 0;
      state.redraw = true;
    }
    state.completion_seen_text = composer.text;
    state.completion_seen_cursor = composer.cursor;
    state.completion_deadline.reset();
    if (!completion_wanted(state)) {
      state.completion_requested.clear();
    } else if (text_before_cursor(composer) != state.completion_requested) {
      state.completion_deadline = now + kCompletionPause;
    }
  }
  if (state.completion_deadline && now >= *state.completion_deadline)
    return send_complete(state, outbox);
  return {};
}

std::error_code request_completion(LoopState& state, input::Outbox& outbox) {
  state.dismissed_word = std::string(1, '\0');
  state.popup_selection = 0;
  return send_complete(state, outbox);
}

}  // namespace orvane::app

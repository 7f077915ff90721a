#include <algorithm>
#include <string>
#include <string_view>

#include "app/dispatch_stages.hpp"
#include "input/edit.hpp"
#include "input/message_send.hpp"
#include "input/messages.hpp"
#include "unicode/properties.hpp"
#include "unicode/utf8.hpp"

namespace orvane::app {

namespace {

using term::Key;

constexpr std::size_t kPromptPage = 10;
constexpr std::string_view kContextPanelTitle = "Context · as of";

Handled answer(LoopState& state, const KeyContext& context, std::string_view value) {
  const bridge::Snapshot& snapshot = state.snapshot;
  return sent(input::send(context.outbox,
                          input::answer_message(snapshot.generation, snapshot.prompt->id, value)));
}

// A question prompt takes a typed answer; Enter sends it once it holds more than blanks.
Handled question_key(LoopState& state, const KeyContext& context, const term::KeyEvent& key) {
  if (!is(key, Key::Enter)) {
    input::edit(state.answer, key, false);
    return consumed();
  }
  if (unicode::is_blank(state.answer.text)) return consumed();
  const std::string text = state.answer.take();
  return answer(state, context, text);
}

// Any other prompt is answered by the key of one of its choices.
Handled choice_key(LoopState& state, const KeyContext& context, const term::KeyEvent& key) {
  if (!is(key, Key::Char)) return consumed();
  std::string typed;
  unicode::append_utf8(typed, key.code.value);
  for (const bridge::Choice& choice : state.snapshot.prompt->choices) {
    if (choice.key == typed && !choice.disabled) return answer(state, context, choice.value);
  }
  return consumed();
}

}  // namespace

Handled prompt_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key) {
  if (!state.snapshot.prompt) return std::nullopt;
  const bridge::Prompt& prompt = *state.snapshot.prompt;
  const bool question = prompt.kind == "question";
  const std::size_t last = minus(prompt.choices.size(), 1);
  if (is(key, Key::Enter)) {
    if (question && !state.answer.text.empty()) return question_key(state, context, key);
    if (state.selection < prompt.choices.size() && !prompt.choices[state.selection].disabled) {
      return answer(state, context, prompt.choices[state.selection].value);
    }
    return consumed();
  }
  if (is(key, Key::Up)) {
    state.selection = minus(state.selection, 1);
  } else if (is(key, Key::Down) || is(key, Key::Tab)) {
    state.selection = std::min(state.selection + 1, last);
  } else if (is(key, Key::PageUp)) {
    state.panel_scroll = minus(state.panel_scroll, kPromptPage);
  } else if (is(key, Key::PageDown)) {
    state.panel_scroll += kPromptPage;
  } else if (is_ctrl(key, U'c')) {
    return sent(input::action(context.outbox, "cancel", ""));
  } else if (question) {
    return question_key(state, context, key);
  } else {
    return choice_key(state, context, key);
  }
  return consumed();
}

Handled context_panel_key(LoopState& state, const KeyContext& context, const term::KeyEvent& key) {
  if (!is(key, Key::Enter) || !state.snapshot.panel_title.starts_with(kContextPanelTitle))
    return std::nullopt;
  return sent(input::action(context.outbox, "command", "/context"));
}

}  // namespace orvane::app

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "app/completion.hpp"
#include "app/dispatch_stages.hpp"
#include "input/message_send.hpp"
#include "input/messages.hpp"
#include "unicode/grapheme.hpp"
#include "unicode/properties.hpp"
#include "unicode/utf8.hpp"

namespace orvane::app {

namespace {

using term::Key;

bool has_whitespace(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const unicode::Decoded d = unicode::decode(text, i);
    if (unicode::is_white_space(d.code_point)) return true;
    i += d.length;
  }
  return false;
}

// Replaces the word at the cursor by the candidate and a space, as separate undo steps:
// one backspace per grapheme, then the inserts.
void accept(LoopState& state, const std::string& candidate) {
  editor::Editor& composer = state.composer;
  // With a selection the backspaces would delete it instead of the word.
  composer.anchor.reset();
  const std::string word(word_at_cursor(composer));
  for (std::size_t clusters = unicode::grapheme_count(word); clusters > 0; --clusters) {
    composer.backspace();
  }
  if (word.starts_with('@')) composer.insert("@");
  composer.insert(candidate);
  composer.insert(" ");
  state.dismissed_word = word;
}

}  // namespace

void accept_clicked(LoopState& state, std::string_view candidate) {
  editor::Editor& composer = state.composer;
  const std::string_view word = word_at_cursor(composer);
  std::string replacement = word.starts_with('@') ? "@" : "";
  replacement.append(candidate);
  replacement += ' ';
  // The word ends at the cursor: selecting it makes the insert replace it.
  composer.anchor = composer.cursor - word.size();
  composer.insert(replacement);
  state.dismissed_word = std::string(candidate);
}

Handled popup_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key) {
  if (!popup_active(state)) return std::nullopt;
  const std::vector<std::string>& candidates = state.overlay.completions;
  const std::size_t last = candidates.size() - 1;
  const std::string& selected = candidates[std::min(state.popup_selection, last)];
  if (is(key, Key::Up)) {
    state.popup_selection = minus(state.popup_selection, 1);
  } else if (is(key, Key::Down)) {
    state.popup_selection = std::min(state.popup_selection + 1, last);
  } else if (is(key, Key::Tab)) {
    accept(state, selected);
  } else if (is(key, Key::Esc)) {
    state.dismissed_word = std::string(word_at_cursor(state.composer));
  } else if (is(key, Key::Enter)) {
    const std::string& text = state.composer.text;
    if (text.empty() || !text.starts_with('/')) {
      accept(state, selected);
    } else if (has_whitespace(text)) {
      // In the arguments of a command, a word already complete submits the command line.
      if (std::ranges::find(candidates, word_at_cursor(state.composer)) != candidates.end())
        return std::nullopt;
      accept(state, selected);
    } else {
      // A bare slash command runs the chosen one instead of what was typed.
      const std::string command = selected;
      state.composer.take();
      return sent(input::send(
          context.outbox,
          input::submit_message(state.snapshot.generation, command, input::SubmitMode::kQueue)));
    }
  } else {
    return std::nullopt;
  }
  return consumed();
}

}  // namespace orvane::app

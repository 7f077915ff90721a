#include <array>
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "app/completion_request.hpp"
#include "app/dispatch_stages.hpp"
#include "input/edit.hpp"
#include "input/message_send.hpp"
#include "input/messages.hpp"
#include "render/targets.hpp"
#include "unicode/properties.hpp"

namespace orvane::app {

namespace {

using term::Key;

// A second Esc within this time cancels the agent's turn.
constexpr auto kDoubleEsc = std::chrono::milliseconds(1500);

struct CtrlCommand {
  char32_t key;
  std::string_view command;
};

constexpr std::array<CtrlCommand, 9> kCtrlCommands = {{
    {U'f', "/fork"},
    {U'g', "/agent"},
    {U'i', "/context"},
    {U'n', "/new"},
    {U'o', "/sessions"},
    {U'p', "/help"},
    {U'r', "/reconnect"},
    {U's', "/settings"},
    {U'u', "/usage"},
}};

Handled submit(LoopState& state, const KeyContext& context, const term::KeyEvent& key) {
  if (unicode::is_blank(state.composer.text) && state.snapshot.attachments == 0) return consumed();
  const input::SubmitMode mode = has_ctrl(key)  ? input::SubmitMode::kSteer
                                 : has_alt(key) ? input::SubmitMode::kInterrupt
                                                : input::SubmitMode::kQueue;
  const std::string text = state.composer.take();
  state.follow = true;
  return sent(
      input::send(context.outbox, input::submit_message(state.snapshot.generation, text, mode)));
}

// Tab on an empty composer walks the transcript's targets from the newest; otherwise it
// asks for completions of the word at the cursor.
Handled tab(LoopState& state, const KeyContext& context) {
  const bridge::Snapshot& snapshot = state.snapshot;
  if (state.composer.text.empty() && snapshot.panel_title.empty() && !snapshot.prompt) {
    const std::vector<render::Target> targets = render::targets(state.cache);
    if (!targets.empty()) {
      state.target_mode = true;
      state.target_index = targets.size() - 1;
      return consumed();
    }
  }
  return sent(request_completion(state, context.outbox));
}

Handled ctrl_key(LoopState& state, const KeyContext& context, const term::KeyEvent& key) {
  auto action = [&](std::string_view type, std::string_view text) {
    return sent(input::action(context.outbox, type, text));
  };
  if (is_ctrl(key, U' ')) return action("command", "/voice");
  if (is_ctrl(key, U'b')) return sessions_sidebar(state, context);
  if (is_ctrl(key, U'c')) {
    if (!state.composer.selected().empty()) return action("copy_text", state.composer.selected());
    return action("cancel", "");
  }
  if (is_ctrl(key, U'e')) return logs_toggle(state, context);
  if (is_ctrl(key, U'l')) return details_toggle(state, context);
  if (is_ctrl(key, U't')) return action("cycle_effort", "");
  if (is_ctrl(key, U'v')) return action("clipboard", "");
  for (const CtrlCommand& command : kCtrlCommands) {
    if (is_ctrl(key, command.key)) return action("command", command.command);
  }
  return std::nullopt;
}

}  // namespace

Handled composer_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key) {
  editor::Editor& composer = state.composer;
  switch (key.code.key) {
    case Key::Enter:
      if (has_shift(key)) {
        composer.insert("\n");
        return consumed();
      }
      return submit(state, context, key);
    case Key::Up:
    case Key::Down:
      // A single line has no line to move to, so the arrows recall sent messages.
      if (composer.text.find('\n') != std::string::npos) {
        input::edit(composer, key, true);
      } else {
        composer.history(is(key, Key::Up));
      }
      return consumed();
    case Key::PageUp:
      scroll_up(state, kTranscriptPage);
      return consumed();
    case Key::PageDown:
      scroll_down(state, kTranscriptPage);
      return consumed();
    case Key::Tab:
      return tab(state, context);
    case Key::BackTab:
      return sent(input::action(context.outbox, "cycle_agent", ""));
    case Key::Esc: {
      const bool twice = context.now - state.last_esc < kDoubleEsc;
      state.last_esc = context.now;
      if (twice) return sent(input::action(context.outbox, "cancel", ""));
      return consumed();
    }
    case Key::End:
      if (!has_ctrl(key)) break;
      state.follow = true;
      composer.anchor.reset();
      composer.cursor = composer.text.size();
      return consumed();
    case Key::Null:
      return sent(input::action(context.outbox, "command", "/voice"));
    default:
      break;
  }
  if (auto handled = ctrl_key(state, context, key)) return handled;
  input::edit(composer, key, true);
  return consumed();
}

}  // namespace orvane::app

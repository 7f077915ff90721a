#include <array>
#include <chrono>
#include <string_view>
#include <utility>

#include "app/dispatch_stages.hpp"
#include "input/message_send.hpp"

namespace orvane::app {

namespace {

// A pending Ctrl+x waits this long for its second key.
constexpr auto kChordWindow = std::chrono::seconds(3);

struct ChordCommand {
  char32_t key;
  std::string_view command;
};

constexpr std::array<ChordCommand, 10> kChordCommands = {{
    {U'f', "/fork"},
    {U'g', "/agent"},
    {U'i', "/context"},
    {U'm', "/model"},
    {U'n', "/new"},
    {U'o', "/sessions"},
    {U'r', "/reconnect"},
    {U's', "/settings"},
    {U'u', "/usage"},
    {U'v', "/voice"},
}};

Handled chord_key(LoopState& state, const KeyContext& context, const term::KeyEvent& key) {
  auto action = [&](std::string_view type, std::string_view text) {
    return sent(input::action(context.outbox, type, text));
  };
  if (is_char(key, U'c')) return action("context_popover", "");
  if (is_char(key, U'z')) return action("update_help", "");
  if (is_char(key, U'?')) return action("command", "/hotkeys");
  if (is_char(key, U'b')) return sessions_sidebar(state, context);
  if (is_char(key, U'e')) return logs_toggle(state, context);
  if (is_char(key, U'l')) return details_toggle(state, context);
  if (is_char(key, U't')) return action("cycle_effort", "");
  for (const ChordCommand& chord : kChordCommands) {
    if (is_char(key, chord.key)) return action("command", chord.command);
  }
  return consumed();
}

}  // namespace

Handled chord_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key) {
  if (is_ctrl(key, U'x')) {
    state.chord = context.now;
    return consumed();
  }
  const auto chord = std::exchange(state.chord, std::nullopt);
  // The loop forgets a stale chord only between batches; a key in the same batch must
  // not complete it either.
  if (!chord || context.now - *chord > kChordWindow) return std::nullopt;
  return chord_key(state, context, key);
}

}  // namespace orvane::app

#include "app/keys.hpp"

#include "input/message_send.hpp"

namespace orvane::app {

namespace {

bool is_ctrl(const term::KeyEvent& key, char32_t letter) {
  return key.code.key == term::Key::Char && key.code.value == letter &&
         term::has(key.modifiers, term::Modifiers::Ctrl);
}

}  // namespace

KeyResult handle_key(LoopState&, input::Outbox& outbox, const term::KeyEvent& key) {
  if (key.kind == term::KeyKind::Release) return {};
  if (is_ctrl(key, U'q')) {
    if (auto error = input::action(outbox, "quit", "")) return {KeyOutcome::Continue, error};
    return {KeyOutcome::Quit, {}};
  }
  return {};
}

}  // namespace orvane::app

#pragma once
#include <system_error>

#include "app/state.hpp"
#include "input/outbox.hpp"
#include "term/event.hpp"

namespace orvane::app {

// What a handled key means for the run.
enum class KeyOutcome { Continue, Quit };

struct KeyResult {
  KeyOutcome outcome = KeyOutcome::Continue;
  std::error_code error;  // a message that could not be written ends the run
};

KeyResult handle_key(LoopState& state, input::Outbox& outbox, const term::KeyEvent& key);

}  // namespace orvane::app

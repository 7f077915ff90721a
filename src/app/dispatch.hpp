#pragma once
#include <functional>
#include <optional>

#include "app/error.hpp"
#include "app/state.hpp"
#include "input/outbox.hpp"
#include "term/event.hpp"
#include "term/result.hpp"
#include "term/tty.hpp"

namespace orvane::app {

// What the key handlers need besides the loop state: where messages go, the time, and the
// terminal size, which only a few keys ask for.
struct KeyContext {
  input::Outbox& outbox;
  Clock::time_point now;
  std::function<term::Result<term::Size>()> terminal_size;
};

// What a key means for the run: go on, end normally (the quit key), or end with an error
// (a message that could not be written, a failed terminal size query).
struct KeyDispatch {
  bool quit = false;
  std::optional<Error> error;
};

// Routes one key event through the chain of modes — voice, quit, details sidebar, sidebar
// filter, target mode, chord, prompt, logs view, form, panel, completion popup, sub-agent
// page — to the composer, changing view state and sending the actions it stands for.
// Reads the regions, targets and maximum offset of the last frame from the state.
// Releases are ignored; every other key sets the redraw flag.
KeyDispatch dispatch_key(LoopState& state, const KeyContext& context, const term::KeyEvent& key);

}  // namespace orvane::app

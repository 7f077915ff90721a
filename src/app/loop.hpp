#pragma once
#include <optional>

#include "app/channel.hpp"
#include "app/error.hpp"
#include "app/state.hpp"
#include "input/outbox.hpp"
#include "term/tty.hpp"
#include "tui/terminal.hpp"

namespace orvane::app {

// What the loop works with besides its state: the terminal, the reader's channel and
// standard output.
struct Io {
  term::Tty& tty;
  tui::Terminal& terminal;
  Channel& channel;
  input::Outbox& outbox;
};

// Runs until standard input ends or the user quits (no error), or until a fatal error.
std::optional<Error> run_loop(Io io, LoopState& state);

}  // namespace orvane::app

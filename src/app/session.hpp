#pragma once
#include <optional>

#include "app/error.hpp"
#include "term/tty.hpp"

namespace orvane::app {

// Restores the terminal when destroyed, on every way out of `main`, unwinding included.
struct Cleanup {
  Cleanup();
  Cleanup(const Cleanup&) = delete;
  Cleanup& operator=(const Cleanup&) = delete;
  ~Cleanup();
};

// Installs the handlers that restore the terminal when the process is ended from outside
// (SIGTERM, SIGHUP and SIGINT end it with status 128 + the signal), when it crashes (the
// signal then takes its default course) and when std::terminate runs. Also ignores SIGPIPE,
// so that a bridge that went away shows up as a write error.
void install_exit_handlers();

// Raw mode on the terminal device, then the set-up sequences on standard error.
std::optional<Error> enter_session(term::Tty& tty);

}  // namespace orvane::app

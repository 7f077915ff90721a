// The client's entry: answers "--version", starts the reader, switches the terminal into
// full-screen mode, runs the loop and restores the terminal however the run ends.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

#include "app/channel.hpp"
#include "app/loop.hpp"
#include "app/reader.hpp"
#include "app/session.hpp"
#include "app/state.hpp"
#include "app/version.hpp"
#include "input/outbox.hpp"
#include "term/output.hpp"
#include "term/tty.hpp"
#include "tui/terminal.hpp"

namespace orvane::app {
namespace {

struct Outcome {
  std::optional<Error> error;
  std::optional<std::string> trace_line;  // printed once the terminal is restored
};

std::optional<Error> run_session(Channel& channel, LoopState& state) {
  auto tty = term::Tty::open();
  if (!tty.value) return error_from(tty.error, "cannot open the terminal /dev/tty");
  if (auto error = enter_session(*tty.value)) return error;

  const auto size = tty.value->size();
  if (!size.value) return error_from(size.error, "cannot read the terminal size");
  term::Writer writer(STDERR_FILENO);
  tui::Terminal terminal(
      [&writer](std::string_view bytes) {
        if (auto error = writer.write(bytes)) return error;
        return writer.flush();
      },
      size.value->width, size.value->height);

  input::StreamOutbox outbox(stdout);
  auto error = run_loop({*tty.value, terminal, channel, outbox}, state);
  channel.abandon();
  return error;
}

Outcome run(Channel& channel) {
  auto state = std::make_unique<LoopState>(Clock::now());
  std::optional<Error> error;
  {
    Cleanup cleanup;
    error = run_session(channel, *state);
  }
  if (error) return {error, {}};
  // The report is written once the terminal is restored.
  return {{}, state->trace.finish()};
}

// Ends the process once the run is over. The reader thread may still be reading or checking
// a line, so the static objects it uses (the UTF-8 validator among them) must not be
// destroyed under it: flush what is buffered and leave without running destructors.
[[noreturn]] void leave(int status) {
  std::fflush(nullptr);
  std::_Exit(status);
}

}  // namespace
}  // namespace orvane::app

int main(int argc, char** argv) {
  using namespace orvane::app;
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  if (wants_version(arguments)) {
    std::fputs(version_banner().c_str(), stdout);
    return 0;
  }

  install_exit_handlers();
  auto channel = std::make_shared<Channel>();
  try {
    // Detached: at the end of the run it may still be blocked reading standard input.
    std::thread([channel] { read_lines(STDIN_FILENO, *channel); }).detach();
  } catch (const std::system_error&) {
    std::fputs("failed to spawn thread\n", stderr);
    return 1;
  }

  Outcome outcome;
  try {
    outcome = run(*channel);
  } catch (const std::exception& failure) {
    // Unwinding has destroyed the guard, so the terminal is already restored.
    outcome.error = Error{std::string("internal failure: ") + failure.what()};
  }
  if (outcome.error) {
    std::fprintf(stderr, "Error: %s\n", outcome.error->message.c_str());
    leave(1);
  }
  if (outcome.trace_line) std::fputs(outcome.trace_line->c_str(), stderr);
  leave(0);
}

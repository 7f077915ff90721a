#include "app/session.hpp"

#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <exception>

#include "term/output.hpp"
#include "term/session_bytes.hpp"

namespace orvane::app {

namespace {

// What the exit paths need to put the terminal back, kept where a signal handler can
// reach it without allocating or locking.
termios g_saved_attributes;
std::atomic<int> g_tty_fd{-1};
std::atomic<bool> g_session_open{false};
std::terminate_handler g_previous_terminate = nullptr;

// The teardown, async-signal-safe. It runs at most once, whichever exit path gets there first.
void restore_terminal() noexcept {
  if (!g_session_open.exchange(false)) return;
  const int fd = g_tty_fd.load();
  if (fd >= 0) tcsetattr(fd, TCSANOW, &g_saved_attributes);
  term::write_in_signal(STDERR_FILENO, term::kTeardownModes.data(), term::kTeardownModes.size());
  term::write_in_signal(STDERR_FILENO, term::kTeardownModifyOtherKeys.data(),
                        term::kTeardownModifyOtherKeys.size());
}

void on_stop_signal(int signal_number) {
  restore_terminal();
  _exit(128 + signal_number);
}

void on_crash_signal(int signal_number) {
  restore_terminal();
  signal(signal_number, SIG_DFL);
  raise(signal_number);
}

void on_terminate() {
  restore_terminal();
  // The standard handler then prints what went wrong on the restored screen and aborts.
  if (g_previous_terminate != nullptr) g_previous_terminate();
  std::abort();
}

void set_handler(int signal_number, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  sigaction(signal_number, &action, nullptr);
}

}  // namespace

// The guard only arms the teardown; it is harmless on a terminal that was never switched.
Cleanup::Cleanup() { g_session_open = true; }
Cleanup::~Cleanup() { restore_terminal(); }

void install_exit_handlers() {
  signal(SIGPIPE, SIG_IGN);
  for (int s : {SIGTERM, SIGHUP, SIGINT}) set_handler(s, on_stop_signal);
  for (int s : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) set_handler(s, on_crash_signal);
  g_previous_terminate = std::set_terminate(on_terminate);
}

std::optional<Error> enter_session(term::Tty& tty) {
  if (tcgetattr(tty.fd(), &g_saved_attributes) == 0) g_tty_fd = tty.fd();
  if (auto error = tty.enable_raw_mode()) return error_from(error, "cannot switch the terminal to raw mode");
  if (auto error = term::write_all(STDERR_FILENO, term::kSetupModes)) {
    return error_from(error, "cannot set up the terminal");
  }
  if (auto error = term::write_all(STDERR_FILENO, term::kSetupModifyOtherKeys)) {
    return error_from(error, "cannot set up the terminal");
  }
  return std::nullopt;
}

}  // namespace orvane::app

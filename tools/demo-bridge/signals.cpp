#include "signals.hpp"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace orvane::demo {

namespace {

int write_end = -1;

void forward(int signal) {
  const int saved = errno;
  const unsigned char byte = static_cast<unsigned char>(signal);
  [[maybe_unused]] const ssize_t written = ::write(write_end, &byte, 1);
  errno = saved;
}

}  // namespace

int signal_pipe() {
  int ends[2];
  if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return -1;
  write_end = ends[1];
  struct sigaction action {};
  action.sa_handler = forward;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGCHLD}) ::sigaction(signal, &action, nullptr);
  ::signal(SIGPIPE, SIG_IGN);
  return ends[0];
}

std::vector<int> take_signals(int fd) {
  std::vector<int> signals;
  unsigned char bytes[64];
  for (;;) {
    const ssize_t got = ::read(fd, bytes, sizeof bytes);
    if (got <= 0) break;
    for (ssize_t i = 0; i < got; ++i) signals.push_back(bytes[i]);
  }
  return signals;
}

}  // namespace orvane::demo

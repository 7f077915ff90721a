#pragma once
#include <vector>

namespace orvane::demo {

// Delivers SIGINT, SIGTERM, SIGHUP and SIGCHLD through a pipe the event loop polls, and
// ignores SIGPIPE (a client that went away shows as a failed write). Returns the read end,
// or -1 when the pipe cannot be made.
int signal_pipe();

// The signals delivered since the last call.
std::vector<int> take_signals(int fd);

}  // namespace orvane::demo

#pragma once
#include <cstddef>

#include "app/channel.hpp"

namespace orvane::app {

// Longest snapshot line accepted, without its terminator; a longer one ends input.
inline constexpr std::size_t kMaxLineBytes = 16 * 1024 * 1024;

// Reads lines from `fd` (standard input) into the channel until end of input, a read
// error, a line that is not UTF-8 or is too long, or the loop going away; then closes
// the channel. Runs on the reader thread.
void read_lines(int fd, Channel& channel);

}  // namespace orvane::app

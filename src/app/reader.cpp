#include "app/reader.hpp"

#include <simdjson.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace orvane::app {

namespace {

constexpr std::size_t kChunk = 1 << 16;

enum class Outcome { Sent, Stop };

Outcome deliver(std::string& line, Channel& channel) {
  if (line.size() > kMaxLineBytes) return Outcome::Stop;
  if (!simdjson::validate_utf8(line.data(), line.size())) return Outcome::Stop;
  const auto now = std::chrono::steady_clock::now();
  return channel.send({std::move(line), now}) ? Outcome::Sent : Outcome::Stop;
}

void read_until_stop(int fd, Channel& channel) {
  std::string pending;  // bytes of the line being read
  char chunk[kChunk];
  while (true) {
    const ssize_t count = ::read(fd, chunk, sizeof chunk);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return;
    if (count == 0) break;
    std::size_t start = 0;
    const auto size = static_cast<std::size_t>(count);
    while (start < size) {
      const void* found = std::memchr(chunk + start, '\n', size - start);
      if (found == nullptr) {
        pending.append(chunk + start, size - start);
        // One more byte than the limit may still be a '\r' that the line feed removes.
        if (pending.size() > kMaxLineBytes + 1) return;
        break;
      }
      const auto end = static_cast<std::size_t>(static_cast<const char*>(found) - chunk);
      pending.append(chunk + start, end - start);
      start = end + 1;
      if (!pending.empty() && pending.back() == '\r') pending.pop_back();
      std::string line;
      line.swap(pending);
      if (deliver(line, channel) == Outcome::Stop) return;
    }
  }
  // The last line may end without a line feed.
  if (!pending.empty()) deliver(pending, channel);
}

}  // namespace

void read_lines(int fd, Channel& channel) {
  read_until_stop(fd, channel);
  channel.close();
}

}  // namespace orvane::app

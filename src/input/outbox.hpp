#pragma once
#include <cstdio>
#include <string_view>
#include <system_error>

#include "input/message.hpp"

namespace orvane::input {

// Where outbound messages go: standard output in the client, a recorder in tests.
class Outbox {
 public:
  virtual ~Outbox() = default;
  // Writes `line` whole and flushes it; the error of the write or the flush, if any.
  virtual std::error_code write_line(std::string_view line) = 0;
};

// An stdio stream. Each line is written and flushed under the stream's lock, so lines
// never interleave. A reader that closed its end gives EPIPE; the process must ignore
// SIGPIPE for that error to arrive here instead of killing it.
class StreamOutbox final : public Outbox {
 public:
  explicit StreamOutbox(std::FILE* stream) : stream_(stream) {}
  std::error_code write_line(std::string_view line) override;

 private:
  std::FILE* stream_;
};

// Writes the message as one line of compact JSON. An error is fatal for the run: the
// caller ends it, nothing is retried.
[[nodiscard]] std::error_code send(Outbox& outbox, const Message& message);

}  // namespace orvane::input

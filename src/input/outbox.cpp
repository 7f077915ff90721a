#include "input/outbox.hpp"

#include <cerrno>
#include <string>

#include "input/json_writer.hpp"

namespace orvane::input {

namespace {

// stdio sets errno on failure; fall back to a generic error should it not.
std::error_code last_error() {
  const int code = errno;
  return code != 0 ? std::error_code(code, std::generic_category())
                   : std::make_error_code(std::errc::io_error);
}

}  // namespace

std::error_code StreamOutbox::write_line(std::string_view line) {
  flockfile(stream_);
  errno = 0;
  std::error_code error;
  if (std::fwrite(line.data(), 1, line.size(), stream_) != line.size()) error = last_error();
  if (!error && std::fflush(stream_) != 0) error = last_error();
  funlockfile(stream_);
  return error;
}

std::error_code send(Outbox& outbox, const Message& message) {
  std::string line = json_text(message);
  line += '\n';
  return outbox.write_line(line);
}

}  // namespace orvane::input

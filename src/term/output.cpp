#include "term/output.hpp"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace orvane::term {

std::error_code write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n >= 0) {
      bytes.remove_prefix(static_cast<std::size_t>(n));
      continue;
    }
    if (errno == EINTR) continue;
    if (errno != EAGAIN && errno != EWOULDBLOCK) return {errno, std::system_category()};
    pollfd writable{fd, POLLOUT, 0};
    if (::poll(&writable, 1, -1) < 0 && errno != EINTR) return {errno, std::system_category()};
  }
  return {};
}

void write_in_signal(int fd, const char* bytes, std::size_t length) noexcept {
  const int saved_errno = errno;
  while (length > 0) {
    const ssize_t n = ::write(fd, bytes, length);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    bytes += n;
    length -= static_cast<std::size_t>(n);
  }
  errno = saved_errno;
}

Writer::Writer(int fd) : fd_(fd) {
  buffer_.reserve(kCapacity);
}

std::error_code Writer::write(std::string_view bytes) {
  if (buffer_.size() + bytes.size() > kCapacity) {
    if (const std::error_code error = flush()) return error;
    // Too big to buffer: one direct write avoids copying it through in pieces.
    if (bytes.size() > kCapacity) return write_all(fd_, bytes);
  }
  buffer_.append(bytes);
  return {};
}

std::error_code Writer::flush() {
  const std::error_code error = write_all(fd_, buffer_);
  // After a failure the run ends; keeping the bytes would only repeat them on the next flush.
  buffer_.clear();
  return error;
}

}  // namespace orvane::term

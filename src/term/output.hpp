#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

namespace orvane::term {

// Writes every byte, resuming after partial writes and interruptions, and waiting when a
// non-blocking descriptor is full.
std::error_code write_all(int fd, std::string_view bytes);

// For the crash path: async-signal-safe, allocates nothing, keeps errno. Stops silently at the
// first error, since there is nobody left to tell.
void write_in_signal(int fd, const char* bytes, std::size_t length) noexcept;

// A buffered writer over a descriptor it does not own. Bytes reach the descriptor only when the
// buffer fills or on `flush`; there is no flush on destruction, because bytes written after the
// terminal has been restored would corrupt it.
class Writer {
 public:
  static constexpr std::size_t kCapacity = 65536;

  explicit Writer(int fd);

  std::error_code write(std::string_view bytes);
  std::error_code flush();

  int fd() const { return fd_; }
  std::size_t buffered() const { return buffer_.size(); }

 private:
  int fd_;
  std::string buffer_;
};

}  // namespace orvane::term

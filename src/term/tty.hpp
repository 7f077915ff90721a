#pragma once
#include <signal.h>
#include <termios.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

#include "term/event.hpp"
#include "term/input_stream.hpp"
#include "term/result.hpp"

namespace orvane::term {

struct Size {
  std::uint16_t width = 0;
  std::uint16_t height = 0;

  friend bool operator==(const Size&, const Size&) = default;
};

struct Ready {
  bool input = false;  // an event (or bytes toward one, or a resize) can be read
  bool extra = false;  // the caller's extra descriptor is readable
};

// The terminal device, opened for input and for its attributes. Keeps two invariants: the
// attributes saved when raw mode was switched on are restored exactly when it is switched off
// (at the latest on destruction), and SIGWINCH is routed to this object's self-pipe while it
// lives. Only one Tty may be open at a time, because the signal has one handler.
class Tty {
 public:
  static Result<Tty> open(const std::string& path = "/dev/tty");

  Tty(Tty&& other) noexcept;
  Tty& operator=(Tty&& other) noexcept;
  Tty(const Tty&) = delete;
  Tty& operator=(const Tty&) = delete;
  ~Tty();

  // No line buffering, no echo, no signal keys, 8-bit input and output (what cfmakeraw does).
  std::error_code enable_raw_mode();
  std::error_code disable_raw_mode();
  bool raw() const { return saved_.has_value(); }

  Result<Size> size() const;

  // Waits up to `timeout` (zero is allowed) for terminal input, a resize or `extra_fd` (-1 for
  // none). Also wakes when a pending lone ESC has waited long enough to be the Esc key.
  Result<Ready> poll(std::chrono::milliseconds timeout, int extra_fd = -1);

  // The next event: one already decoded, else a resize, else whatever the bytes that can be read
  // without blocking complete. Neither a value nor an error when nothing is complete yet.
  Result<Event> read_event();

  int fd() const { return fd_; }

 private:
  Tty(int fd, int resize_read, int resize_write, struct sigaction previous);
  // Restores the terminal and the signal handler and closes the descriptors.
  void close_all();

  int fd_ = -1;
  int resize_read_ = -1;
  int resize_write_ = -1;
  struct sigaction previous_action_ {};
  std::optional<termios> saved_;
  InputStream input_;
};

}  // namespace orvane::term

#include "term/tty.hpp"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <string_view>
#include <utility>

namespace orvane::term {
namespace {

using Clock = std::chrono::steady_clock;

// The write end of the open Tty's self-pipe, read by the signal handler.
std::atomic<int> g_resize_pipe{-1};
static_assert(std::atomic<int>::is_always_lock_free, "the SIGWINCH handler reads it");

void on_resize(int) {
  const int saved_errno = errno;
  const int fd = g_resize_pipe.load(std::memory_order_relaxed);
  if (fd >= 0) {
    const char byte = 0;
    // When the pipe is full a wake-up is already pending, so a failed write loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
  }
  errno = saved_errno;
}

std::error_code last_error() {
  return {errno, std::system_category()};
}

std::error_code set_attributes(int fd, const termios& attributes) {
  while (::tcsetattr(fd, TCSANOW, &attributes) != 0) {
    if (errno != EINTR) return last_error();
  }
  return {};
}

// Empties the self-pipe; true when it held at least one signal.
bool drain(int fd) {
  bool signalled = false;
  std::array<char, 64> bytes;
  for (;;) {
    const ssize_t n = ::read(fd, bytes.data(), bytes.size());
    if (n > 0) {
      signalled = true;
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      return signalled;
    }
  }
}

int poll_milliseconds(Clock::duration remaining) {
  if (remaining <= Clock::duration::zero()) return 0;
  // Rounded up, so that waking just before a deadline does not spin.
  const auto ms = std::chrono::ceil<std::chrono::milliseconds>(remaining).count();
  return static_cast<int>(std::min<decltype(ms)>(ms, INT_MAX));
}

}  // namespace

Result<Tty> Tty::open(const std::string& path) {
  int fd = -1;
  do {
    fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return {std::nullopt, last_error()};
  if (!::isatty(fd)) {
    const std::error_code error = last_error();
    ::close(fd);
    return {std::nullopt, error};
  }
  int pipe_fds[2];
  if (::pipe2(pipe_fds, O_NONBLOCK | O_CLOEXEC) != 0) {
    const std::error_code error = last_error();
    ::close(fd);
    return {std::nullopt, error};
  }
  int none = -1;
  if (!g_resize_pipe.compare_exchange_strong(none, pipe_fds[1])) {
    ::close(fd);
    ::close(pipe_fds[0]);
    ::close(pipe_fds[1]);
    return {std::nullopt, std::make_error_code(std::errc::device_or_resource_busy)};
  }
  struct sigaction action {};
  action.sa_handler = on_resize;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  struct sigaction previous {};
  if (::sigaction(SIGWINCH, &action, &previous) != 0) {
    const std::error_code error = last_error();
    g_resize_pipe.store(-1);
    ::close(fd);
    ::close(pipe_fds[0]);
    ::close(pipe_fds[1]);
    return {std::nullopt, error};
  }
  return {Tty(fd, pipe_fds[0], pipe_fds[1], previous), {}};
}

Tty::Tty(int fd, int resize_read, int resize_write, struct sigaction previous)
    : fd_(fd), resize_read_(resize_read), resize_write_(resize_write), previous_action_(previous) {}

Tty::Tty(Tty&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      resize_read_(std::exchange(other.resize_read_, -1)),
      resize_write_(std::exchange(other.resize_write_, -1)),
      previous_action_(other.previous_action_),
      saved_(std::exchange(other.saved_, std::nullopt)),
      input_(std::move(other.input_)) {}

Tty& Tty::operator=(Tty&& other) noexcept {
  if (this != &other) {
    close_all();
    fd_ = std::exchange(other.fd_, -1);
    resize_read_ = std::exchange(other.resize_read_, -1);
    resize_write_ = std::exchange(other.resize_write_, -1);
    previous_action_ = other.previous_action_;
    saved_ = std::exchange(other.saved_, std::nullopt);
    input_ = std::move(other.input_);
  }
  return *this;
}

Tty::~Tty() {
  close_all();
}

void Tty::close_all() {
  if (fd_ < 0) return;
  disable_raw_mode();
  ::sigaction(SIGWINCH, &previous_action_, nullptr);
  g_resize_pipe.store(-1);
  ::close(resize_read_);
  ::close(resize_write_);
  ::close(fd_);
  fd_ = resize_read_ = resize_write_ = -1;
}

std::error_code Tty::enable_raw_mode() {
  if (saved_) return {};
  termios original{};
  if (::tcgetattr(fd_, &original) != 0) return last_error();
  termios raw = original;
  raw.c_iflag &=
      ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON);
  raw.c_oflag &= ~static_cast<tcflag_t>(OPOST);
  raw.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  raw.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB);
  raw.c_cflag |= CS8;
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  if (const std::error_code error = set_attributes(fd_, raw)) return error;
  saved_ = original;
  return {};
}

std::error_code Tty::disable_raw_mode() {
  if (!saved_) return {};
  if (const std::error_code error = set_attributes(fd_, *saved_)) return error;
  saved_.reset();
  return {};
}

Result<Size> Tty::size() const {
  winsize size{};
  if (::ioctl(fd_, TIOCGWINSZ, &size) != 0) return {std::nullopt, last_error()};
  return {Size{size.ws_col, size.ws_row}, {}};
}

Result<Ready> Tty::poll(std::chrono::milliseconds timeout, int extra_fd) {
  if (input_.has_event()) return {Ready{.input = true}, {}};
  Clock::time_point now = Clock::now();
  const Clock::time_point deadline = now + timeout;
  for (;;) {
    Clock::time_point wake = deadline;
    if (const auto esc_deadline = input_.deadline()) wake = std::min(wake, *esc_deadline);
    std::array<pollfd, 3> fds = {{
        {fd_, POLLIN, 0},
        {resize_read_, POLLIN, 0},
        {extra_fd, POLLIN, 0},  // poll skips a negative descriptor
    }};
    const int count = ::poll(fds.data(), fds.size(), poll_milliseconds(wake - now));
    if (count < 0 && errno != EINTR) return {std::nullopt, last_error()};
    if (count > 0) {
      if ((fds[0].revents | fds[2].revents) & POLLNVAL) {
        return {std::nullopt, std::make_error_code(std::errc::bad_file_descriptor)};
      }
      Ready ready;
      ready.input = (fds[0].revents & (POLLIN | POLLHUP | POLLERR)) || (fds[1].revents & POLLIN);
      ready.extra = (fds[2].revents & (POLLIN | POLLHUP | POLLERR)) != 0;
      if (ready.input || ready.extra) return {ready, {}};
    }
    now = Clock::now();
    // Nothing arrived by the Esc deadline, so a waiting ESC is the key itself.
    input_.expire(now);
    if (input_.has_event()) return {Ready{.input = true}, {}};
    if (now >= deadline) return {Ready{}, {}};
  }
}

Result<Event> Tty::read_event() {
  if (std::optional<Event> event = input_.next()) return {std::move(event), {}};
  if (drain(resize_read_)) {
    const Result<Size> current = size();
    if (!current.value) return {std::nullopt, current.error};
    return {ResizeEvent{current.value->width, current.value->height}, {}};
  }
  std::array<char, 65536> bytes;
  ssize_t n = 0;
  do {
    n = ::read(fd_, bytes.data(), bytes.size());
  } while (n < 0 && errno == EINTR);
  if (n == 0) return {std::nullopt, std::make_error_code(std::errc::io_error)};
  if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return {std::nullopt, last_error()};
  const Clock::time_point now = Clock::now();
  // Bytes just read may complete a waiting sequence, so they go in before the Esc timeout is
  // applied.
  if (n > 0) input_.feed(std::string_view(bytes.data(), static_cast<std::size_t>(n)), now);
  input_.expire(now);
  return {input_.next(), {}};
}

}  // namespace orvane::term

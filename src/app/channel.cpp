#include "app/channel.hpp"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace orvane::app {

Channel::Channel() : wake_fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

Channel::~Channel() {
  if (wake_fd_ >= 0) ::close(wake_fd_);
}

void Channel::signal() {
  const std::uint64_t one = 1;
  // The counter only saturates after 2^64 − 2 signals; a failed write loses nothing
  // that the next drain would not see anyway.
  [[maybe_unused]] auto written = ::write(wake_fd_, &one, sizeof one);
}

bool Channel::send(ReceivedLine line) {
  std::unique_lock lock(mutex_);
  room_.wait(lock, [&] { return lines_.size() < kCapacity || abandoned_; });
  if (abandoned_) return false;
  lines_.push_back(std::move(line));
  signal();
  return true;
}

void Channel::close() {
  std::lock_guard lock(mutex_);
  closed_ = true;
  signal();
}

Channel::Drained Channel::drain() {
  Drained out;
  {
    std::lock_guard lock(mutex_);
    std::uint64_t count;
    [[maybe_unused]] auto read = ::read(wake_fd_, &count, sizeof count);
    out.lines.assign(std::make_move_iterator(lines_.begin()), std::make_move_iterator(lines_.end()));
    lines_.clear();
    out.closed = closed_;
    // A close leaves the descriptor readable so that every later wait returns at once.
    if (closed_) signal();
  }
  room_.notify_one();
  return out;
}

void Channel::abandon() {
  {
    std::lock_guard lock(mutex_);
    abandoned_ = true;
  }
  room_.notify_all();
}

}  // namespace orvane::app

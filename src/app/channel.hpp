#pragma once
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

namespace orvane::app {

// A snapshot line as the reader read it: the text without its terminator, and when.
struct ReceivedLine {
  std::string text;
  std::chrono::steady_clock::time_point received;
};

// The bounded queue between the reader thread and the loop. The reader blocks while
// `kCapacity` lines wait; the loop never blocks on it. Every push and the close also
// signal an eventfd, so the loop's input wait ends as soon as a line arrives.
class Channel {
 public:
  static constexpr std::size_t kCapacity = 2;

  Channel();
  ~Channel();
  Channel(const Channel&) = delete;
  Channel& operator=(const Channel&) = delete;

  // Reader side. Returns false when the loop has gone, so the reader can stop.
  bool send(ReceivedLine line);
  // Reader side: no more lines will come.
  void close();

  struct Drained {
    std::vector<ReceivedLine> lines;
    bool closed = false;
  };
  // Loop side: everything waiting, in arrival order, without blocking.
  Drained drain();
  // Loop side: the loop is ending; a blocked reader wakes up and stops.
  void abandon();

  // Readable while a line or the close is waiting to be drained.
  int wake_fd() const { return wake_fd_; }

 private:
  void signal();

  std::mutex mutex_;
  std::condition_variable room_;
  std::deque<ReceivedLine> lines_;
  bool closed_ = false;
  bool abandoned_ = false;
  int wake_fd_ = -1;
};

}  // namespace orvane::app

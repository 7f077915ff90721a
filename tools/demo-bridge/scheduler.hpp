#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "time.hpp"

namespace orvane::demo {

struct Model;

// What a timer belongs to, so that stopping one activity cancels all of its timers.
enum class Tag { turn, voice, panel, notice };

using Task = std::function<void(Model&, Time now)>;

// Timers of the model, run in the order they fall due (ties in the order they were set).
class Scheduler {
 public:
  void at(Time due, Tag tag, Task task);
  void cancel(Tag tag);
  bool pending(Tag tag) const;
  std::optional<Time> next_due() const;
  // Removes and returns the earliest task due at `now`.
  std::optional<Task> take_due(Time now);

 private:
  struct Entry {
    Time due;
    std::uint64_t order;
    Tag tag;
    Task task;
  };
  std::vector<Entry> entries_;
  std::uint64_t order_ = 0;
};

}  // namespace orvane::demo

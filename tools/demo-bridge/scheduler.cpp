#include "scheduler.hpp"

#include <algorithm>
#include <utility>

namespace orvane::demo {

namespace {

template <typename Entry>
bool earlier(const Entry& a, const Entry& b) {
  return a.due != b.due ? a.due < b.due : a.order < b.order;
}

}  // namespace

void Scheduler::at(Time due, Tag tag, Task task) {
  entries_.push_back({due, order_++, tag, std::move(task)});
}

void Scheduler::cancel(Tag tag) {
  std::erase_if(entries_, [tag](const Entry& e) { return e.tag == tag; });
}

bool Scheduler::pending(Tag tag) const {
  return std::any_of(entries_.begin(), entries_.end(), [tag](const Entry& e) { return e.tag == tag; });
}

std::optional<Time> Scheduler::next_due() const {
  if (entries_.empty()) return std::nullopt;
  return std::min_element(entries_.begin(), entries_.end(), earlier<Entry>)->due;
}

std::optional<Task> Scheduler::take_due(Time now) {
  if (entries_.empty()) return std::nullopt;
  const auto first = std::min_element(entries_.begin(), entries_.end(), earlier<Entry>);
  if (first->due > now) return std::nullopt;
  Task task = std::move(first->task);
  entries_.erase(first);
  return task;
}

}  // namespace orvane::demo

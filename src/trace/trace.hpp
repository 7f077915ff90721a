#pragma once
#include <chrono>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "trace/env.hpp"
#include "trace/summary.hpp"

namespace orvane::trace {

using Clock = std::chrono::steady_clock;

// Opt-in latency recorder: named durations, summarised for the bridge every two
// seconds and written to a report file at a normal end. Switched off, every
// operation is a flag test.
class Trace {
 public:
  static constexpr std::size_t kCapacity = 16000;
  static constexpr Clock::duration kPublishInterval = std::chrono::seconds(2);

  // On exactly when ORVANE_TUI_TRACE is the single character "1".
  explicit Trace(const EnvLookup& env = process_env);

  bool enabled() const { return enabled_; }

  // `label` is kept as a view: pass one of the constants of trace/labels.hpp.
  // The oldest sample gives way once kCapacity are held.
  void record(std::string_view label, Clock::duration elapsed);

  // One line per label over every sample still held; the samples are kept.
  std::vector<std::string> summary() const;

  // The summary when none was published yet or the last one is at least
  // kPublishInterval before `now`; otherwise, and when disabled, none.
  std::optional<std::vector<std::string>> publish(Clock::time_point now);

  // Writes the report file (see report_path) and returns the line to print on
  // standard error once the terminal is restored; none when disabled.
  std::optional<std::string> finish(const EnvLookup& env = process_env) const;

 private:
  bool enabled_ = false;
  std::deque<Sample> samples_;
  std::optional<Clock::time_point> last_publish_;
};

}  // namespace orvane::trace

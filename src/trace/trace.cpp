#include "trace/trace.hpp"

#include <chrono>

#include "trace/report.hpp"

namespace orvane::trace {

Trace::Trace(const EnvLookup& env) : enabled_(env("ORVANE_TUI_TRACE") == "1") {}

void Trace::record(std::string_view label, Clock::duration elapsed) {
  if (!enabled_) return;
  if (samples_.size() >= kCapacity) samples_.pop_front();
  samples_.push_back({label, std::chrono::duration<double, std::milli>(elapsed).count()});
}

std::vector<std::string> Trace::summary() const {
  return trace::summary(samples_);
}

std::optional<std::vector<std::string>> Trace::publish(Clock::time_point now) {
  if (!enabled_) return std::nullopt;
  if (last_publish_ && now - *last_publish_ < kPublishInterval) return std::nullopt;
  last_publish_ = now;
  return summary();
}

std::optional<std::string> Trace::finish(const EnvLookup& env) const {
  if (!enabled_) return std::nullopt;
  return write_report(summary(), report_path(env));
}

}  // namespace orvane::trace

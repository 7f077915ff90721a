#include "render/ticks.hpp"

namespace orvane::render {

std::uint64_t slow_tick(std::chrono::steady_clock::duration elapsed) {
  return static_cast<std::uint64_t>(
             std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()) /
         125;
}

std::uint64_t fast_tick(std::chrono::steady_clock::duration elapsed) {
  const auto ns = static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count());
  // Split at whole seconds so that ns × 30 cannot overflow however long the client runs.
  constexpr std::uint64_t kSecond = 1'000'000'000;
  return ns / kSecond * 30 + ns % kSecond * 30 / kSecond;
}

}  // namespace orvane::render

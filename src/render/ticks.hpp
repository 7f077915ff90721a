#pragma once
#include <chrono>
#include <cstdint>

namespace orvane::render {

// The animation clocks at `elapsed` since the cache's `clock`: 8 ticks a second for
// spinners, blinking and the voice reveal, 30 for the activity bar.
std::uint64_t slow_tick(std::chrono::steady_clock::duration elapsed);
std::uint64_t fast_tick(std::chrono::steady_clock::duration elapsed);

}  // namespace orvane::render

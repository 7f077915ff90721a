#pragma once
#include <chrono>

namespace orvane::demo {

// Time since the bridge started. The model only ever sees this value, so tests can drive it
// with a clock of their own.
using Time = std::chrono::milliseconds;

}  // namespace orvane::demo

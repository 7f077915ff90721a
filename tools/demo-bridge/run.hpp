#pragma once
#include "options.hpp"

namespace orvane::demo {

// Runs the client with the simulated session, a replay or the stress stream, until the
// client ends. Returns the client's exit status, or 1 when the bridge cannot start.
int run(const Options& options);

}  // namespace orvane::demo

#pragma once
#include <chrono>
#include <system_error>

#include "app/state.hpp"
#include "input/outbox.hpp"

namespace orvane::app {

// How long typing must pause before a "complete" request goes out.
inline constexpr auto kCompletionPause = std::chrono::milliseconds(120);

// Runs once per loop iteration, after the frame. A change of the composer text or cursor
// restarts the pause when the cursor is in a "/" or "@" word or in the arguments of a slash
// command, unless that text before the cursor was already requested; typing also pins the
// transcript to its end. Once the pause is over, sends "complete". Returns the write error,
// which ends the run.
[[nodiscard]] std::error_code check_completion_request(LoopState& state, input::Outbox& outbox,
                                                       Clock::time_point now);

// Tab in the composer: asks for the word at the cursor at once, whatever it starts with,
// and reopens a dismissed popup.
[[nodiscard]] std::error_code request_completion(LoopState& state, input::Outbox& outbox);

}  // namespace orvane::app

#pragma once
#include <string>
#include <string_view>

#include "model.hpp"

namespace orvane::demo {

// A message from the composer: a slash command, or a turn that starts, waits in the queue,
// steers the running turn or interrupts it, by `mode` ("queue", "steer", "interrupt").
void submit(Model& model, std::string text, std::string_view mode, Time now);

void start_turn(Model& model, std::string text, Time now);

// Stops the running turn: what was running is marked cancelled and a summary says why.
// With `restore_queue`, queued messages go back into the composer.
void cancel_turn(Model& model, std::string_view reason, bool restore_queue, Time now);

// The answer to the prompt `prompt_id`; the turn goes on according to it.
void answer(Model& model, std::string_view prompt_id, const std::string& value, Time now);

// Used by the turn script.
void continue_turn(Model& model, Time now);
void finish_turn(Model& model, Time now);

}  // namespace orvane::demo

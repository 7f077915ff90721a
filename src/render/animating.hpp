#pragma once
#include <string_view>

#include "bridge/snapshot.hpp"

namespace orvane::render {

// Whether the agent's `status` is one of its busy states.
bool is_busy(std::string_view status);

// Whether voice input is being recorded or transcribed.
bool voice_active(const bridge::Snapshot& snapshot);

// Whether a top-level block shows a spinner: U+E000 in its text, or a running tool group.
bool spinning(const bridge::Content& block);

// Whether the snapshot shows anything that moves (a loading panel, voice input, a busy
// agent, a spinning block, a working session), so the loop keeps drawing frames while
// nothing else happens.
bool animating(const bridge::Snapshot& snapshot);

// The same, with the answer for the blocks already known (`spinning_block`), so that a
// long transcript need not be scanned again.
bool animating(const bridge::Snapshot& snapshot, bool spinning_block);

}  // namespace orvane::render

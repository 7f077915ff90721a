#pragma once
#include <cstddef>
#include <string_view>

#include "app/state.hpp"

namespace orvane::app {

// A cleaned paste larger than this is dropped whole.
inline constexpr std::size_t kPasteLimit = 1024 * 1024;

// Inserts a cleaned paste, as one undo step, into the field that has the keyboard: the
// form, else the composer when there is no prompt, else the answer of a question prompt.
// Dropped while a sub-agent page is shown without a panel.
void route_paste(LoopState& state, std::string_view text, Clock::time_point now);

}  // namespace orvane::app

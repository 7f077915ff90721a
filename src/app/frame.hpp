#pragma once
#include "app/state.hpp"
#include "tui/frame.hpp"

namespace orvane::app {

// Paints one frame of the current state.
void draw_frame(const LoopState& state, tui::Frame& frame);

}  // namespace orvane::app

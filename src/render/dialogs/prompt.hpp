#pragma once
#include <cstddef>

#include "bridge/snapshot.hpp"
#include "editor/editor.hpp"
#include "render/palette.hpp"
#include "tui/frame.hpp"
#include "tui/rect.hpp"

namespace orvane::render::dialogs {

// Draws the prompt box at the bottom of the `transcript` rectangle: its title, its text
// from line `scroll` on, its choices with the one at `selection` marked, the `answer`
// field of a question and the key hints.
void draw_prompt(tui::Frame& frame, tui::Rect transcript, const bridge::Prompt& prompt,
                 std::size_t selection, std::size_t scroll, const editor::Editor& answer,
                 const Palette& palette);

}  // namespace orvane::render::dialogs

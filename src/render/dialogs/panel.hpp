#pragma once
#include "bridge/snapshot.hpp"
#include "render/cache.hpp"
#include "render/draw.hpp"
#include "render/palette.hpp"
#include "tui/frame.hpp"
#include "tui/rect.hpp"

namespace orvane::render::dialogs {

// The rows of a text panel's body at `width` columns: markdown, toned lines, or plain lines
// coloured by how they start. Kept in the cache until the text, tones, format or width change.
const std::vector<tui::Line>& panel_text_rows(Cache& cache, const bridge::Snapshot& snapshot,
                                              std::uint16_t width, const Palette& palette);

// Draws the open panel over the transcript rectangle: its frame and title, the navigation
// column, and one body — the form, the filtered list, or the text.
void draw_panel(tui::Frame& frame, tui::Rect transcript, const bridge::Snapshot& snapshot,
                const View& view, Cache& cache, const Palette& palette);

}  // namespace orvane::render::dialogs

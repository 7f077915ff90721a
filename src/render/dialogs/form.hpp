#pragma once
#include "bridge/snapshot.hpp"
#include "editor/editor.hpp"
#include "render/palette.hpp"
#include "tui/frame.hpp"
#include "tui/rect.hpp"

namespace orvane::render::dialogs {

// Draws an open form into `area`, the content rectangle of the panel dialog: the `editor`
// holding its text (bullets only when the form is secret), then its status and the key
// hints on the last two rows.
void draw_form(tui::Frame& frame, tui::Rect area, const bridge::Form& form,
               const editor::Editor& editor, const Palette& palette);

}  // namespace orvane::render::dialogs

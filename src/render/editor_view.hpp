#pragma once
#include <cstdint>
#include <vector>

#include "editor/editor.hpp"
#include "render/palette.hpp"
#include "tui/text.hpp"

namespace orvane::render {

// The rows of an editor laid out at `width` columns: the text with a "▏" cursor glyph (which
// takes a column), the selection in reverse accent colours, control characters shown as
// escapes and, when `secret` is set, "•" for every grapheme. At most `height` rows are
// returned; once the text is taller, the rows scroll so the cursor row is the last one.
std::vector<tui::Line> editor_view(const editor::Editor& editor, bool secret,
                                   const Palette& palette, std::uint16_t width,
                                   std::uint16_t height);

}  // namespace orvane::render

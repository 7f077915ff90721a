#pragma once
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "render/palette.hpp"
#include "tui/style.hpp"
#include "tui/text.hpp"

namespace orvane::markdown {

// One logical row of rendered markdown; the caller wraps `spans` and hangs the
// continuation lines under `prefix`.
struct Row {
  std::vector<tui::Span> prefix;  // quote bars, list indentation and marker, code gutter
  std::vector<tui::Span> spans;
  std::optional<tui::Color> row_background;
  bool blank = false;  // separator between blocks; has no spans
};

// Markdown as a terminal reading view: one row per source line, list item line,
// table row or code line. `width` only sets the length of thematic breaks.
std::vector<Row> lines(std::string_view text, const render::Palette& palette, std::uint16_t width);

}  // namespace orvane::markdown

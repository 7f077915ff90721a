#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "render/palette.hpp"
#include "tui/text.hpp"

namespace orvane::render::dialogs {

// Lays out the lines of a text panel at `width` columns, each coloured by its tone ("ok",
// "warn", "title", "kv", …) and wrapped under its own indentation with a hanging indent of
// two columns. Lines without a tone are left out.
std::vector<tui::Line> toned_lines(const std::vector<std::string>& lines,
                                   const std::vector<std::string>& tones, std::uint16_t width,
                                   const Palette& palette);

}  // namespace orvane::render::dialogs

#pragma once
#include <cstddef>
#include <optional>

#include "render/control_layout.hpp"
#include "render/palette.hpp"
#include "tui/style.hpp"
#include "tui/text.hpp"

namespace orvane::render {

// How many of the meter's ten cells are lit: the used share of the context window, rounded
// up; none when the window is unknown.
std::size_t meter_cells(std::optional<std::uint64_t> used, std::optional<std::uint64_t> window);

// The control row as one line: the controls (the agent in `agent_color` and bold), the gap,
// the meter when the layout has one, and the status text.
tui::Line control_row(const ControlLayout& layout, std::size_t lit_cells,
                      const tui::Color& agent_color, const Palette& palette);

}  // namespace orvane::render

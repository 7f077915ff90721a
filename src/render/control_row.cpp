#include "render/control_row.hpp"

#include <algorithm>
#include <cstdint>
#include <string>

namespace orvane::render {

namespace {

constexpr std::size_t kMeterCells = 10;

}  // namespace

std::size_t meter_cells(std::optional<std::uint64_t> used, std::optional<std::uint64_t> window) {
  if (window.value_or(0) == 0) return 0;
  // Exact integer ceiling of used × 10 ÷ window; 128 bits so the product cannot overflow.
  const unsigned __int128 tenths = static_cast<unsigned __int128>(used.value_or(0)) * kMeterCells;
  const unsigned __int128 lit = (tenths + *window - 1) / *window;
  return static_cast<std::size_t>(std::min<unsigned __int128>(lit, kMeterCells));
}

tui::Line control_row(const ControlLayout& layout, std::size_t lit_cells,
                      const tui::Color& agent_color, const Palette& palette) {
  tui::Line line;
  for (std::size_t i = 0; i < layout.items.size(); ++i) {
    const ControlItem& item = layout.items[i];
    if (i > 0)
      line.spans.emplace_back(std::string(kControlSeparator), tui::Style().with_fg(palette.faint));
    const tui::Style style = item.command == "/agent"
                                 ? tui::Style().with_fg(agent_color).with_add(tui::Modifier::Bold)
                                 : tui::Style().with_fg(palette.muted);
    line.spans.emplace_back(item.label, style);
  }
  line.spans.emplace_back(std::string(layout.gap, ' '));
  if (layout.meter) {
    const std::size_t lit = std::min(lit_cells, kMeterCells);
    std::string on, off;
    for (std::size_t i = 0; i < kMeterCells; ++i) (i < lit ? on : off) += "\u2571";
    if (!on.empty()) line.spans.emplace_back(on, tui::Style().with_fg(agent_color));
    if (!off.empty()) line.spans.emplace_back(off, tui::Style().with_fg(palette.rule));
    line.spans.emplace_back("  ");
  }
  line.spans.emplace_back(layout.status, tui::Style().with_fg(palette.muted));
  return line;
}

}  // namespace orvane::render

#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "bridge/snapshot.hpp"
#include "render/palette.hpp"
#include "tui/text.hpp"

namespace orvane::render::chrome {

// The tabs of the details panel, in the order the tab strip shows them.
inline constexpr std::array<std::string_view, 4> kDetailsTabs = {"Session", "Files", "MCP", "Logs"};

// The rows of the details panel's current tab.
struct DetailsContent {
  std::vector<tui::Line> lines;
  // Parallel to `lines`: the index into `details_panel.files` of the file a row stands
  // for; only file rows have one.
  std::vector<std::optional<std::size_t>> targets;
};

// The content of the tab named by `details_panel.tab`, its rows at most `width` columns
// wide where they wrap; a tab name it does not know shows every section but the log.
DetailsContent details_rows(const bridge::Snapshot& snapshot, const Palette& palette,
                            std::uint16_t width);

// The facts shown above the log in the Logs tab, wrapped at `width`, the width of the rows
// they are drawn in.
std::vector<tui::Line> log_header_rows(const bridge::Snapshot& snapshot, const Palette& palette,
                                       std::uint16_t width);

// The tab whose name is under `column` on the tab strip of a details panel whose left
// edge is at `x`.
std::optional<std::string_view> details_tab_at(std::uint16_t x, std::uint16_t column);

}  // namespace orvane::render::chrome

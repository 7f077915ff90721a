#include "render/chrome/tab_cells.hpp"

#include <algorithm>
#include <cstddef>

#include "transcript/truncate.hpp"
#include "unicode/width.hpp"

namespace orvane::render::chrome {

namespace {

// Besides its title a tab holds a space, its status glyph and a space, and the " × " close mark.
constexpr std::size_t kTabFrame = 6;
// The columns of the row the tab strip cannot use: the sessions button and its gap on the
// left, the new-session and details buttons on the right.
constexpr long kReserved = 11;
constexpr std::size_t kStripStart = 4;

TopCell details_cell(std::uint16_t width) {
  return {TopCell::Kind::Details, 0, tui::Rect::saturate(long{width} - 3), width};
}

// The first tab to show: the earliest one from which the strip still reaches the active tab.
std::size_t first_shown(const std::vector<bridge::Session>& tabs,
                        const std::vector<std::size_t>& widths, std::size_t budget) {
  const auto active =
      std::find_if(tabs.begin(), tabs.end(), [](const bridge::Session& tab) { return tab.active; });
  if (active == tabs.end()) return 0;
  const auto a = static_cast<std::size_t>(active - tabs.begin());
  std::size_t first = a;
  std::size_t used = widths[a];
  for (std::size_t f = a; f-- > 0;) {
    used += widths[f];
    if (used > budget) break;
    first = f;
  }
  return first;
}

}  // namespace

std::vector<TopCell> tab_cells(const bridge::Snapshot& snapshot, std::uint16_t width) {
  if (!snapshot.agent_page.empty()) return {details_cell(width)};

  std::vector<TopCell> cells{{TopCell::Kind::Sessions, 0, 0, std::min<std::uint16_t>(width, 3)}};
  std::vector<std::size_t> widths;
  widths.reserve(snapshot.tabs.size());
  for (const bridge::Session& tab : snapshot.tabs) {
    widths.push_back(unicode::text_width(transcript::truncate(tab.title, kTabTitleColumns)) +
                     kTabFrame);
  }
  const std::size_t budget = tui::Rect::saturate(long{width} - kReserved);
  std::size_t x = kStripStart;
  for (std::size_t i = first_shown(snapshot.tabs, widths, budget); i < widths.size(); ++i) {
    if (x + widths[i] > budget + kStripStart) break;
    cells.push_back({TopCell::Kind::Tab, i, static_cast<std::uint16_t>(x),
                     static_cast<std::uint16_t>(x + widths[i])});
    x += widths[i];
  }
  cells.push_back({TopCell::Kind::New, 0, tui::Rect::saturate(long{width} - 7),
                   tui::Rect::saturate(long{width} - 4)});
  cells.push_back(details_cell(width));
  return cells;
}

std::vector<TopCell> top_cells(const bridge::Snapshot& snapshot, tui::Rect band) {
  if (band.height == 2) return {details_cell(band.width)};
  return tab_cells(snapshot, band.width);
}

}  // namespace orvane::render::chrome

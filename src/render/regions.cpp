#include "render/regions.hpp"

#include <algorithm>
#include <vector>

#include "tui/layout.hpp"

namespace orvane::render {

namespace {

constexpr std::uint16_t kSessionsWidth = 30;
constexpr std::uint16_t kDetailsWidth = 40;

}  // namespace

Regions regions(tui::Rect area, const bridge::Snapshot& snapshot, std::uint16_t composer_height) {
  const std::uint16_t width = area.width;
  const bool sessions_wanted = snapshot.sessions_sidebar;
  const bool details_wanted = snapshot.details_sidebar;
  const bool sessions_mode = snapshot.last_opened == "sessions";

  const bool sessions_shown =
      sessions_wanted && width >= 90 && (width >= 130 || sessions_mode || !details_wanted);
  const std::uint16_t sessions_width = sessions_shown ? kSessionsWidth : 0;

  std::uint16_t details_width = 0;
  if (details_wanted && width >= 130) {
    details_width = kDetailsWidth;
  } else if (details_wanted && width >= 100) {
    details_width = sessions_wanted && sessions_mode ? 0 : kDetailsWidth;
  }

  const std::vector<tui::Rect> columns =
      tui::split(area, tui::Direction::Horizontal,
                 {tui::Length{sessions_width}, tui::Min{1}, tui::Length{details_width}});

  const std::uint16_t top_height =
      sessions_width == kSessionsWidth || !snapshot.agent_page.empty() ? 2 : 3;
  const std::vector<tui::Rect> rows =
      tui::split(columns[1], tui::Direction::Vertical,
                 {tui::Length{top_height}, tui::Min{1}, tui::Length{composer_height}});

  Regions out;
  out.sessions = columns[0];
  out.top = rows[0];
  out.transcript = rows[1];
  out.composer = rows[2];
  if (details_wanted && width < 100) {
    const std::uint16_t overlay = std::min(width, kDetailsWidth);
    out.details = {static_cast<std::uint16_t>(area.right() - overlay), area.y, overlay,
                   area.height};
  } else {
    out.details = columns[2];
  }
  return out;
}

}  // namespace orvane::render

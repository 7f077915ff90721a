#pragma once
#include <cstddef>
#include <optional>
#include <variant>

#include "tui/text.hpp"

namespace orvane::render::chrome {

// The "☰ Sessions" line; a click starts a new session.
struct SidebarHeader {
  friend bool operator==(const SidebarHeader&, const SidebarHeader&) = default;
};

// The archived-sessions line.
struct SidebarArchived {
  friend bool operator==(const SidebarArchived&, const SidebarArchived&) = default;
};

// Either line of a session row: `index` is the session's position in the snapshot's
// `sessions`.
struct SidebarEntry {
  std::size_t index = 0;
  friend bool operator==(const SidebarEntry&, const SidebarEntry&) = default;
};

// What a click on a sessions-sidebar line means.
using SidebarHit = std::variant<SidebarHeader, SidebarArchived, SidebarEntry>;

// One line of the sessions sidebar; lines without a hit ignore clicks.
struct SidebarLine {
  tui::Line line;
  std::optional<SidebarHit> hit;
};

}  // namespace orvane::render::chrome

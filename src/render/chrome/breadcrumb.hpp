#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "bridge/snapshot.hpp"
#include "render/palette.hpp"
#include "tui/rect.hpp"
#include "tui/text.hpp"

namespace orvane::render::chrome {

// The short text for the agent's status word: "● needs input" while it waits for the user,
// the spinner frame for `tick` and " running" while busy, else the word with "_" as spaces.
std::string breadcrumb_status(std::string_view status, std::uint64_t tick);

// The breadcrumb row for `band`: the breadcrumb on the left, then, against the right edge,
// the update notice, the status text and the cap that closes the bar.
tui::Line breadcrumb_row(const bridge::Snapshot& snapshot, tui::Rect band, const Palette& palette,
                         std::uint64_t tick);

}  // namespace orvane::render::chrome

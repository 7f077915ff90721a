#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include "bridge/snapshot.hpp"
#include "tui/rect.hpp"

namespace orvane::render {

// Whether a position in the composer rectangle `composer` is on the context status part of
// the control row (the meter and the status text).
bool composer_context_at(tui::Rect composer, const bridge::Snapshot& snapshot, std::uint16_t column,
                         std::uint16_t row);

// The command ("/agent", "/model", "/effort") of the control label under a position in the
// composer rectangle; separators, the gap and the status part hit nothing.
std::optional<std::string_view> composer_control_at(tui::Rect composer,
                                                    const bridge::Snapshot& snapshot,
                                                    std::uint16_t column, std::uint16_t row);

}  // namespace orvane::render

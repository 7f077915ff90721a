#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "bridge/snapshot.hpp"

namespace orvane::render {

// One clickable control of the row under the composer.
struct ControlItem {
  std::string label;
  // "/agent", "/model" or "/effort".
  std::string_view command;

  friend bool operator==(const ControlItem&, const ControlItem&) = default;
};

// The control row laid out for one width: the controls from the left, the context status
// (after the 12-column meter when `meter` is set) ending at the right edge.
struct ControlLayout {
  std::vector<ControlItem> items;
  std::string status;
  // Blank columns between the last control and the status part.
  std::size_t gap = 0;
  // Column, from the start of the row, where the status part begins.
  std::size_t status_x = 0;
  bool meter = false;
};

// Columns of the context meter: ten glyphs and two spaces.
inline constexpr std::size_t kMeterWidth = 12;
// Between two controls, and between the segments of the status.
inline constexpr std::string_view kControlSeparator = " \u00B7 ";
inline constexpr std::size_t kControlSeparatorWidth = 3;

// Fits the controls and the context status into `width` columns, giving things up in
// order as the row narrows: the provider suffix, the effort control, the status segments
// past the second, the meter, the second segment; then the labels are cut short.
ControlLayout control_layout(const bridge::Snapshot& snapshot, std::size_t width);

}  // namespace orvane::render

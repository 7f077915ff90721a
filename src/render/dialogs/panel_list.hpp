#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "bridge/snapshot.hpp"
#include "tui/rect.hpp"

namespace orvane::render::dialogs {

// One row of a list panel: a group heading, or an item with its index among the items the
// filter keeps (the index the selection counts).
struct PanelRow {
  std::string_view text;
  std::optional<std::size_t> item;
};

// How many items have a label that contains the filter text, ignoring case: the items the
// list shows and the selection counts.
std::size_t matching_items(const std::vector<bridge::Item>& items, std::string_view filter);

// The rows of the items the filter keeps, in their order, each group heading before the
// first item of a run of that group.
std::vector<PanelRow> panel_rows(const std::vector<bridge::Item>& items, std::string_view filter);

// The first row shown in a window of `room` rows so that the selected item stays in view,
// on the last row once the selection has moved past the window.
std::size_t first_shown_row(const std::vector<PanelRow>& rows, std::size_t selected,
                            std::size_t room);

// The rows above the list: the first one or two text lines of a navigation panel, the
// filter line and a blank line.
std::size_t list_header_rows(const bridge::Snapshot& snapshot);

// The filtered index of the item drawn on screen row `row` of the list panel `panel`, or
// nothing for a header, group or empty row.
std::optional<std::size_t> panel_item_at(const bridge::Snapshot& snapshot, tui::Rect panel,
                                         std::string_view filter, std::size_t selected,
                                         std::uint16_t row);

}  // namespace orvane::render::dialogs

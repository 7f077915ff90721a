#include "render/dialogs/panel_list.hpp"

#include <algorithm>
#include <string>

#include "unicode/case.hpp"

namespace orvane::render::dialogs {

namespace {

bool contains_lowered(const std::string& label, const std::string& needle) {
  return unicode::to_lower(label).find(needle) != std::string::npos;
}

}  // namespace

std::size_t matching_items(const std::vector<bridge::Item>& items, std::string_view filter) {
  const std::string needle = unicode::to_lower(filter);
  return static_cast<std::size_t>(std::count_if(
      items.begin(), items.end(),
      [&](const bridge::Item& item) { return contains_lowered(item.label, needle); }));
}

std::vector<PanelRow> panel_rows(const std::vector<bridge::Item>& items, std::string_view filter) {
  const std::string needle = unicode::to_lower(filter);
  std::vector<PanelRow> rows;
  std::string_view group;
  std::size_t index = 0;
  for (const bridge::Item& item : items) {
    if (!contains_lowered(item.label, needle)) continue;
    // An ungrouped item ends the run, so the group after it is named again.
    if (!item.group.empty() && item.group != group) rows.push_back({item.group, std::nullopt});
    group = item.group;
    rows.push_back({item.label, index++});
  }
  return rows;
}

std::size_t first_shown_row(const std::vector<PanelRow>& rows, std::size_t selected,
                            std::size_t room) {
  const auto at = std::find_if(rows.begin(), rows.end(),
                               [&](const PanelRow& row) { return row.item == selected; });
  const std::size_t position = at == rows.end() ? 0 : static_cast<std::size_t>(at - rows.begin());
  const std::size_t window = std::max<std::size_t>(room, 1);
  return position + 1 > window ? position + 1 - window : 0;
}

std::size_t list_header_rows(const bridge::Snapshot& snapshot) {
  return snapshot.nav ? std::min<std::size_t>(snapshot.panel_lines.size(), 2) + 2 : 2;
}

std::optional<std::size_t> panel_item_at(const bridge::Snapshot& snapshot, tui::Rect panel,
                                         std::string_view filter, std::size_t selected,
                                         std::uint16_t row) {
  const bool drawer = snapshot.panel_layout == "drawer";
  const std::size_t height = panel.height;
  const std::size_t top = panel.y + std::min<std::size_t>(height, drawer ? 2 : 4);
  const std::size_t content = height > (drawer ? 2u : 5u) ? height - (drawer ? 2 : 5) : 0;
  const std::size_t header = list_header_rows(snapshot);
  const std::size_t room = content > header ? content - header : 0;
  if (row < top) return std::nullopt;
  const std::size_t offset = row - top;
  if (offset < header || offset >= content) return std::nullopt;

  const std::vector<PanelRow> rows = panel_rows(snapshot.items, filter);
  const std::size_t index = first_shown_row(rows, selected, room) + offset - header;
  if (index >= rows.size()) return std::nullopt;
  return rows[index].item;
}

}  // namespace orvane::render::dialogs

#include "render/control_layout.hpp"

#include <algorithm>

#include "transcript/truncate.hpp"
#include "unicode/width.hpp"

namespace orvane::render {

namespace {

std::vector<std::string> segments_of(std::string_view label) {
  std::vector<std::string> segments;
  while (true) {
    const std::size_t at = label.find(kControlSeparator);
    const std::string_view piece = label.substr(0, at);
    if (!piece.empty()) segments.emplace_back(piece);
    if (at == std::string_view::npos) break;
    label.remove_prefix(at + kControlSeparator.size());
  }
  if (segments.empty()) segments.emplace_back("unavailable");
  return segments;
}

std::string agent_label(const std::string& agent) {
  std::string label = agent;
  if (!label.empty() && label[0] >= 'a' && label[0] <= 'z')
    label[0] = static_cast<char>(label[0] - 'a' + 'A');
  return label;
}

std::size_t items_width(const std::vector<ControlItem>& items) {
  std::size_t width = 0;
  for (const ControlItem& item : items) width += unicode::text_width(item.label);
  return width + kControlSeparatorWidth * (items.empty() ? 0 : items.size() - 1);
}

std::size_t less(std::size_t a, std::size_t b) {
  return a > b ? a - b : 0;
}

}  // namespace

ControlLayout control_layout(const bridge::Snapshot& snapshot, std::size_t width) {
  std::vector<std::string> segments = segments_of(snapshot.context_label);
  bool provider_suffix = !snapshot.provider.empty();
  bool effort_item = !snapshot.effort.empty();
  bool meter = true;
  const bool window_known = snapshot.context_window.value_or(0) != 0;

  ControlLayout layout;
  std::size_t status_width = 0;
  while (true) {
    layout.items.clear();
    layout.items.push_back({agent_label(snapshot.agent), "/agent"});
    std::string model = snapshot.model;
    if (provider_suffix) model += " " + snapshot.provider;
    layout.items.push_back({std::move(model), "/model"});
    if (effort_item) layout.items.push_back({snapshot.effort, "/effort"});

    layout.status.clear();
    for (std::size_t i = 0; i < segments.size(); ++i) {
      if (i > 0) layout.status += kControlSeparator;
      layout.status += segments[i];
    }
    if (meter && !window_known) layout.status += " ?";

    status_width = unicode::text_width(layout.status) + (meter ? kMeterWidth : 0);
    if (items_width(layout.items) + 2 + status_width <= width) break;

    if (provider_suffix || effort_item) {
      effort_item = provider_suffix && effort_item;
      provider_suffix = false;
    } else if (segments.size() >= 3) {
      segments.pop_back();
    } else if (meter) {
      meter = false;
    } else if (segments.size() == 2) {
      segments.pop_back();
    } else {
      break;
    }
  }
  layout.meter = meter;

  const std::size_t available = less(width, status_width + 2);
  if (items_width(layout.items) > available) {
    std::string& first = layout.items[0].label;
    first = transcript::truncate(first, std::min(unicode::text_width(first), available));
    std::string& second = layout.items[1].label;
    second = transcript::truncate(
        second, less(available, unicode::text_width(first) + kControlSeparatorWidth));
    if (second.empty()) layout.items.pop_back();
  }

  if (status_width > width) layout.status = transcript::truncate(layout.status, width);

  layout.status_x = less(width, unicode::text_width(layout.status) + (meter ? kMeterWidth : 0));
  layout.gap = less(layout.status_x, items_width(layout.items));
  return layout;
}

}  // namespace orvane::render

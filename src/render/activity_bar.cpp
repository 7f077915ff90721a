#include "render/activity_bar.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace orvane::render {

namespace {

constexpr std::uint64_t kSweepTicks = 180;

std::uint8_t mix(std::uint8_t from, std::uint8_t to, double amount) {
  // std::round rounds halves away from zero.
  const double value = std::round(from + (static_cast<double>(to) - from) * amount);
  return static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0));
}

}  // namespace

tui::Color blend(const tui::Color& from, const tui::Color& to, double amount) {
  const auto* a = std::get_if<tui::Rgb>(&from);
  const auto* b = std::get_if<tui::Rgb>(&to);
  if (a == nullptr || b == nullptr) return amount > 0.5 ? to : from;
  return tui::Rgb{mix(a->r, b->r, amount), mix(a->g, b->g, amount), mix(a->b, b->b, amount)};
}

tui::Line activity_bar(std::uint16_t width, bool busy, const tui::Color& rest,
                       const tui::Color& lit, std::uint64_t fast_tick) {
  tui::Line line;
  const auto push = [&](const tui::Color& color) {
    const tui::Style style = tui::Style().with_fg(color);
    if (!line.spans.empty() && line.spans.back().style == style) {
      line.spans.back().content += "\u2500";
    } else {
      line.spans.emplace_back("\u2500", style);
    }
  };
  if (!busy) {
    for (std::uint16_t i = 0; i < width; ++i) push(rest);
    return line;
  }
  const double segment = std::max(1, width / 5);
  const double range = std::max(1.0, width - segment);
  const double phase =
      static_cast<double>(fast_tick % kSweepTicks) / kSweepTicks * 2 * std::numbers::pi;
  const double position = (1 - std::cos(phase)) * range * 0.5;
  for (std::uint16_t i = 0; i < width; ++i) {
    const double coverage = std::clamp(
        std::min(position + segment, i + 1.0) - std::max(position, static_cast<double>(i)), 0.0,
        1.0);
    push(blend(rest, lit, coverage));
  }
  return line;
}

}  // namespace orvane::render

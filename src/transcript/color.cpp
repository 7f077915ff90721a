#include "transcript/color.hpp"

#include <cstdint>
#include <optional>

namespace orvane::transcript {

namespace {

std::optional<std::uint8_t> hex_digit(char c) {
  if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<std::uint8_t>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<std::uint8_t>(c - 'A' + 10);
  return std::nullopt;
}

std::optional<tui::Color> hex_color(std::string_view token) {
  if (token.size() != 7 || token[0] != '#') return std::nullopt;
  std::uint8_t channels[3];
  for (int i = 0; i < 3; ++i) {
    const auto high = hex_digit(token[1 + 2 * i]);
    const auto low = hex_digit(token[2 + 2 * i]);
    if (!high || !low) return std::nullopt;
    channels[i] = static_cast<std::uint8_t>(*high << 4 | *low);
  }
  return tui::rgb(channels[0], channels[1], channels[2]);
}

}  // namespace

tui::Color color(std::string_view token, tui::Color fallback, const render::Palette& palette) {
  if (const auto parsed = hex_color(token)) return *parsed;
  if (token == "$ov-accent") return palette.accent;
  if (token == "$ov-blue") return palette.blue;
  if (token == "$ov-cyan") return palette.cyan;
  if (token == "$ov-purple") return palette.purple;
  if (token == "$ov-success") return palette.success;
  if (token == "$ov-warning") return palette.warning;
  // The one token that does not follow the theme.
  if (token == "$ov-label-neutral") return tui::rgb(0x8a, 0x8a, 0x8a);
  return fallback;
}

}  // namespace orvane::transcript

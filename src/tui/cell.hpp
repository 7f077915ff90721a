#pragma once
#include <string>
#include <string_view>

#include "tui/style.hpp"

namespace orvane::tui {

// One screen cell: a grapheme and the concrete colours and modifiers it is drawn with.
struct Cell {
  // One grapheme cluster; empty means a space.
  std::string symbol = " ";
  Color fg = Reset{};
  Color bg = Reset{};
  Color underline = Reset{};
  Modifier modifiers = Modifier::None;
  // The right half of a wide character drawn in the cell to the left: never written itself.
  bool skip = false;

  std::string_view shown() const { return symbol.empty() ? std::string_view(" ") : symbol; }

  // Lays `style` over the cell: its colours replace the cell's, its added modifiers are set
  // and its removed ones cleared (added wins when a modifier is in both sets).
  void set_style(const Style& style);

  friend bool operator==(const Cell& a, const Cell& b) {
    return a.skip == b.skip && a.modifiers == b.modifiers && a.fg == b.fg && a.bg == b.bg &&
           a.underline == b.underline && a.shown() == b.shown();
  }
};

}  // namespace orvane::tui

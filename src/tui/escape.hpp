#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "tui/cell.hpp"
#include "tui/rect.hpp"
#include "tui/style.hpp"

namespace orvane::tui {

// The colours and modifiers the terminal draws the next character with.
struct Pen {
  Color fg = Reset{};
  Color bg = Reset{};
  Color underline = Reset{};
  Modifier modifiers = Modifier::None;

  friend bool operator==(const Pen&, const Pen&) = default;
};

inline Pen pen_of(const Cell& cell) {
  return {cell.fg, cell.bg, cell.underline, cell.modifiers};
}

// Moves the cursor to a 0-based position (CUP).
void append_move(std::string& out, Position position);

// Changes the pen from `from` to `to` with SGR sequences, either by switching only what
// differs or by a full reset followed by what `to` needs, whichever is shorter. Nothing is
// written when the pens are equal.
void append_sgr(std::string& out, const Pen& from, const Pen& to);

// Appends a cell's symbol, or `width` spaces when it is not valid UTF-8 or holds a control
// character (C0, DEL, C1), so that no text can reach the terminal as a command. Returns
// false when the symbol was replaced.
bool append_symbol(std::string& out, std::string_view symbol, std::size_t width);

}  // namespace orvane::tui

#include "tui/cell.hpp"

namespace orvane::tui {

void Cell::set_style(const Style& style) {
  if (style.fg) fg = *style.fg;
  if (style.bg) bg = *style.bg;
  if (style.underline) underline = *style.underline;
  modifiers = (modifiers & ~style.sub) | style.add;
}

}  // namespace orvane::tui

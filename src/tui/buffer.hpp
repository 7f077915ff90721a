#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "tui/cell.hpp"
#include "tui/rect.hpp"
#include "tui/style.hpp"
#include "tui/text.hpp"

namespace orvane::tui {

// The cells of a screen area, one flat row-major vector indexed
// (y − area.y) × width + (x − area.x).
//
// Text is written one grapheme cluster per cell, measured with unicode::cluster_width:
//  - clusters of width 0 (controls, lone combining marks, zero-width characters) are skipped;
//  - a wide cluster fills its cell and marks the next one `skip`;
//  - a cluster that does not fit in what is left of the clip ends the write, and the cells it
//    would have covered keep what they held;
//  - overwriting either half of a wide character blanks its other half, so no half glyph stays;
//  - a cluster that is not valid UTF-8 is stored as U+FFFD.
// Styles are laid over cells with Cell::set_style.
class Buffer {
 public:
  explicit Buffer(Rect area = {});

  const Rect& area() const { return area_; }
  const std::vector<Cell>& content() const { return cells_; }
  std::size_t index_of(std::uint16_t x, std::uint16_t y) const {
    return static_cast<std::size_t>(y - area_.y) * area_.width +
           static_cast<std::size_t>(x - area_.x);
  }

  // The cell at a position inside the area. Changing a symbol directly bypasses the checks
  // above; the terminal still refuses to send control characters.
  const Cell& at(std::uint16_t x, std::uint16_t y) const { return cells_[index_of(x, y)]; }
  Cell& at(std::uint16_t x, std::uint16_t y) { return cells_[index_of(x, y)]; }

  // Writes `text` from (x, y) within at most `max_width` columns and the area's right edge;
  // returns the position just past the last cell written. Nothing is written outside the area.
  Position set_stringn(std::uint16_t x, std::uint16_t y, std::string_view text,
                       std::size_t max_width, const Style& style);
  Position set_string(std::uint16_t x, std::uint16_t y, std::string_view text, const Style& style);
  Position set_span(std::uint16_t x, std::uint16_t y, const Span& span, std::size_t max_width);
  // Each span is drawn with the line style patched under its own.
  Position set_line(std::uint16_t x, std::uint16_t y, const Line& line, std::size_t max_width);

  // Lays `style` over every cell of the part of `area` inside the buffer.
  void set_style(Rect area, const Style& style);

  // Makes every cell (of the part of `area` inside the buffer) a default blank cell.
  void reset();
  void reset(Rect area);

  // Changes the area; every cell becomes blank.
  void resize(Rect area);

 private:
  struct Written {
    Position end;
    bool complete;
  };
  Written write(std::uint16_t x, std::uint16_t y, std::string_view text, std::size_t max_width,
                const Style& style);
  // Breaks up the wide characters that writing `width` cells from `index` (column x) would cut.
  void release(std::size_t index, std::uint16_t x, std::size_t width);

  Rect area_;
  std::vector<Cell> cells_;
};

}  // namespace orvane::tui

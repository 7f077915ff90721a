#include "tui/buffer.hpp"

#include <algorithm>

#include "unicode/grapheme.hpp"
#include "unicode/utf8.hpp"
#include "unicode/width.hpp"

namespace orvane::tui {

namespace {

constexpr std::string_view kReplacement = "\uFFFD";

}  // namespace

Buffer::Buffer(Rect area) : area_(area), cells_(area.area()) {}

Position Buffer::set_stringn(std::uint16_t x, std::uint16_t y, std::string_view text,
                             std::size_t max_width, const Style& style) {
  return write(x, y, text, max_width, style).end;
}

Position Buffer::set_string(std::uint16_t x, std::uint16_t y, std::string_view text,
                            const Style& style) {
  return write(x, y, text, area_.right(), style).end;
}

Position Buffer::set_span(std::uint16_t x, std::uint16_t y, const Span& span,
                          std::size_t max_width) {
  return write(x, y, span.content, max_width, span.style).end;
}

Position Buffer::set_line(std::uint16_t x, std::uint16_t y, const Line& line,
                          std::size_t max_width) {
  Position at{x, y};
  for (const Span& span : line.spans) {
    const Written written =
        write(at.x, at.y, span.content, max_width, patch(line.style, span.style));
    max_width -= written.end.x - at.x;
    at = written.end;
    // A wide character cut at the edge ends the line: nothing after it may appear.
    if (!written.complete || max_width == 0) break;
  }
  return at;
}

Buffer::Written Buffer::write(std::uint16_t x, std::uint16_t y, std::string_view text,
                              std::size_t max_width, const Style& style) {
  if (!area_.contains(x, y)) return {{x, y}, false};
  const std::size_t limit = std::min<std::size_t>(max_width, area_.right() - x);
  const std::size_t row_start = index_of(x, y);
  std::size_t used = 0;
  std::size_t offset = 0;
  while (offset < text.size()) {
    const std::size_t end = unicode::next_boundary(text, offset);
    const std::string_view cluster = text.substr(offset, end - offset);
    offset = end;
    const std::size_t width = unicode::cluster_width(cluster);
    if (width == 0) continue;
    if (used + width > limit) return {{static_cast<std::uint16_t>(x + used), y}, false};

    const std::size_t index = row_start + used;
    release(index, static_cast<std::uint16_t>(x + used), width);
    Cell& cell = cells_[index];
    cell.symbol.assign(unicode::is_valid_utf8(cluster) ? cluster : kReplacement);
    cell.skip = false;
    cell.set_style(style);
    if (width == 2) {
      Cell& covered = cells_[index + 1];
      covered.symbol = ' ';
      covered.skip = true;
      covered.set_style(style);
    }
    used += width;
  }
  return {{static_cast<std::uint16_t>(x + used), y}, true};
}

void Buffer::release(std::size_t index, std::uint16_t x, std::size_t width) {
  if (cells_[index].skip && x > area_.x) cells_[index - 1].symbol = ' ';
  if (x + width < area_.right()) {
    Cell& after = cells_[index + width];
    if (after.skip) {
      after.skip = false;
      after.symbol = ' ';
    }
  }
}

void Buffer::set_style(Rect area, const Style& style) {
  const Rect clip = area.intersection(area_);
  for (std::uint16_t y = clip.y; y < clip.bottom(); ++y) {
    const std::size_t start = index_of(clip.x, y);
    for (std::size_t i = start; i < start + clip.width; ++i) cells_[i].set_style(style);
  }
}

void Buffer::reset() {
  std::fill(cells_.begin(), cells_.end(), Cell{});
}

void Buffer::reset(Rect area) {
  const Rect clip = area.intersection(area_);
  if (clip.empty()) return;
  for (std::uint16_t y = clip.y; y < clip.bottom(); ++y) {
    const std::size_t start = index_of(clip.x, y);
    release(start, clip.x, clip.width);
    std::fill_n(cells_.begin() + static_cast<std::ptrdiff_t>(start), clip.width, Cell{});
  }
}

void Buffer::resize(Rect area) {
  area_ = area;
  cells_.assign(area.area(), Cell{});
}

}  // namespace orvane::tui

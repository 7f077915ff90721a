#include "unicode/grapheme.hpp"

#include <utf8proc.h>

#include "unicode/utf8.hpp"

namespace orvane::unicode {

std::size_t next_boundary(std::string_view text, std::size_t offset) {
  if (offset >= text.size()) return text.size();
  // Fast path: two ASCII bytes other than CR always have a boundary between them.
  const auto first = static_cast<unsigned char>(text[offset]);
  if (first < 0x80 && first != '\r' &&
      (offset + 1 == text.size() || static_cast<unsigned char>(text[offset + 1]) < 0x80)) {
    return offset + 1;
  }
  utf8proc_int32_t state = 0;
  Decoded previous = decode(text, offset);
  std::size_t position = offset + previous.length;
  while (position < text.size()) {
    const Decoded current = decode(text, position);
    if (utf8proc_grapheme_break_stateful(static_cast<utf8proc_int32_t>(previous.code_point),
                                         static_cast<utf8proc_int32_t>(current.code_point),
                                         &state)) {
      break;
    }
    previous = current;
    position += current.length;
  }
  return position;
}

std::size_t previous_boundary(std::string_view text, std::size_t offset) {
  if (offset == 0) return 0;
  // A line feed always ends a cluster, so segmentation can restart after the last one
  // before the cluster instead of at the start of the text.
  std::size_t start = 0;
  if (offset >= 2) {
    const std::size_t lf = text.rfind('\n', offset - 2);
    if (lf != std::string_view::npos) start = lf + 1;
  }
  std::size_t boundary = start;
  while (true) {
    const std::size_t next = next_boundary(text, boundary);
    if (next >= offset) return boundary;
    boundary = next;
  }
}

std::size_t grapheme_count(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t offset = 0; offset < text.size(); offset = next_boundary(text, offset)) ++count;
  return count;
}

}  // namespace orvane::unicode

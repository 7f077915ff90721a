#include "unicode/width.hpp"

#include <utf8proc.h>

#include "unicode/grapheme.hpp"
#include "unicode/properties.hpp"
#include "unicode/utf8.hpp"

namespace orvane::unicode {

namespace {

constexpr char32_t kZeroWidthJoiner = 0x200D;
constexpr char32_t kEmojiPresentation = 0xFE0F;

bool is_regional_indicator(char32_t c) { return c >= 0x1F1E6 && c <= 0x1F1FF; }

bool is_pictographic(char32_t c) {
  const auto bound = utf8proc_get_property(static_cast<utf8proc_int32_t>(c))->boundclass;
  return bound == UTF8PROC_BOUNDCLASS_EXTENDED_PICTOGRAPHIC || bound == UTF8PROC_BOUNDCLASS_E_BASE ||
         bound == UTF8PROC_BOUNDCLASS_E_BASE_GAZ || bound == UTF8PROC_BOUNDCLASS_E_ZWG ||
         bound == UTF8PROC_BOUNDCLASS_GLUE_AFTER_ZWJ;
}

std::size_t code_point_width(char32_t c) {
  const int width = utf8proc_charwidth(static_cast<utf8proc_int32_t>(c));
  return width < 0 ? 0 : static_cast<std::size_t>(width > 2 ? 2 : width);
}

}  // namespace

std::size_t cluster_width(std::string_view cluster) {
  if (cluster.empty()) return 0;
  const auto lead = static_cast<unsigned char>(cluster[0]);
  if (cluster.size() == 1) return (lead < 0x20 || lead == 0x7F) ? 0 : 1;

  std::size_t offset = 0;
  std::size_t count = 0;
  char32_t first = 0;
  bool pictographic = false;
  bool joined = false;
  bool presentation = false;
  std::size_t regional = 0;
  while (offset < cluster.size()) {
    const Decoded d = decode(cluster, offset);
    offset += d.length;
    if (is_control(d.code_point)) return 0;
    if (count++ == 0) first = d.code_point;
    if (d.code_point == kZeroWidthJoiner) joined = true;
    if (d.code_point == kEmojiPresentation) presentation = true;
    if (is_regional_indicator(d.code_point)) ++regional;
    if (is_pictographic(d.code_point)) pictographic = true;
  }
  if (regional >= 2) return 2;
  if (pictographic && (joined || presentation)) return 2;
  return code_point_width(first);
}

std::size_t text_width(std::string_view text) {
  std::size_t width = 0;
  std::size_t offset = 0;
  while (offset < text.size()) {
    const auto byte = static_cast<unsigned char>(text[offset]);
    // Printable ASCII is one column and always its own cluster unless a combining mark follows.
    if (byte >= 0x20 && byte < 0x7F &&
        (offset + 1 == text.size() || static_cast<unsigned char>(text[offset + 1]) < 0x80)) {
      ++width;
      ++offset;
      continue;
    }
    const std::size_t end = next_boundary(text, offset);
    width += cluster_width(text.substr(offset, end - offset));
    offset = end;
  }
  return width;
}

}  // namespace orvane::unicode

#include "unicode/properties.hpp"

#include "unicode/utf8.hpp"

namespace orvane::unicode {

bool is_white_space(char32_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
         c == 0x205F || c == 0x3000;
}

std::size_t leading_white_space(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    const Decoded decoded = decode(text, at);
    if (!is_white_space(decoded.code_point)) break;
    at += decoded.length;
  }
  return at;
}

bool is_blank(std::string_view text) { return leading_white_space(text) == text.size(); }

bool is_control(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace orvane::unicode

#include "unicode/case.hpp"

#include <utf8proc.h>

#include "unicode/utf8.hpp"

namespace orvane::unicode {

std::string to_lower(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      out += static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte);
      ++i;
      continue;
    }
    const Decoded d = decode(text, i);
    append_utf8(
        out, static_cast<char32_t>(utf8proc_tolower(static_cast<utf8proc_int32_t>(d.code_point))));
    i += d.length;
  }
  return out;
}

}  // namespace orvane::unicode

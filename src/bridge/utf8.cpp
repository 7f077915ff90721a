#include "bridge/utf8.hpp"

#include <cstdint>

namespace orvane::bridge {

std::size_t utf8_sequence_length(std::string_view text, std::size_t offset) {
  const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[offset + k]); };
  const std::uint8_t lead = byte(0);
  const std::size_t n = lead < 0x80   ? 1
                        : lead < 0xc2 ? 0
                        : lead < 0xe0 ? 2
                        : lead < 0xf0 ? 3
                        : lead < 0xf5 ? 4
                                      : 0;
  if (n == 0 || offset + n > text.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    if ((byte(k) & 0xc0) != 0x80) return 0;
  }
  // The second byte bounds rule out overlongs, surrogates and code points past U+10FFFF.
  if ((lead == 0xe0 && byte(1) < 0xa0) || (lead == 0xed && byte(1) >= 0xa0) ||
      (lead == 0xf0 && byte(1) < 0x90) || (lead == 0xf4 && byte(1) >= 0x90)) {
    return 0;
  }
  return n;
}

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xc0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3f));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xe0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
    out += static_cast<char>(0x80 | (c & 0x3f));
  } else {
    out += static_cast<char>(0xf0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
    out += static_cast<char>(0x80 | (c & 0x3f));
  }
}

}  // namespace orvane::bridge

#include "bridge/printable.hpp"

#include <cstdint>

#include "unicode/utf8.hpp"

namespace orvane::bridge {
namespace {

constexpr char kHex[] = "0123456789abcdef";

}  // namespace

std::string printable(std::string_view bytes, std::size_t max_bytes) {
  std::string out;
  std::size_t i = 0;
  while (i < bytes.size()) {
    if (out.size() >= max_bytes) {
      out += "…";
      break;
    }
    const auto lead = static_cast<std::uint8_t>(bytes[i]);
    const std::size_t n = unicode::sequence_length(bytes, i);
    if (n == 0 || lead < 0x20 || lead == 0x7f) {
      out += "\\x";
      out += kHex[lead >> 4];
      out += kHex[lead & 0xf];
      i += 1;
    } else if (lead == 0xc2 && static_cast<std::uint8_t>(bytes[i + 1]) < 0xa0) {
      // C1 controls: some terminals act on them even when UTF-8 encoded.
      const auto low = static_cast<std::uint8_t>(bytes[i + 1]);
      out += "\\u00";
      out += kHex[low >> 4];
      out += kHex[low & 0xf];
      i += 2;
    } else {
      out.append(bytes.substr(i, n));
      i += n;
    }
  }
  return out;
}

}  // namespace orvane::bridge

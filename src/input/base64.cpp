#include "input/base64.hpp"

#include <cstddef>
#include <cstdint>

namespace orvane::input {

std::string base64(std::string_view bytes) {
  static constexpr char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  const auto byte = [bytes](std::size_t i) -> std::uint32_t {
    return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
  };
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::uint32_t group = byte(i) << 16 | byte(i + 1) << 8 | byte(i + 2);
    const std::size_t present = bytes.size() - i;
    out += kAlphabet[group >> 18];
    out += kAlphabet[(group >> 12) & 0x3F];
    out += present > 1 ? kAlphabet[(group >> 6) & 0x3F] : '=';
    out += present > 2 ? kAlphabet[group & 0x3F] : '=';
  }
  return out;
}

}  // namespace orvane::input

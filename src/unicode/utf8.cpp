#include "unicode/utf8.hpp"

#include <algorithm>

namespace orvane::unicode {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

}  // namespace

bool is_continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

std::size_t code_point_count(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char byte) { return !is_continuation(byte); }));
}

std::size_t code_point_start(std::string_view text, std::size_t offset) {
  std::size_t start = offset - 1;
  while (start > 0 && is_continuation(text[start])) --start;
  return start;
}

Decoded decode(std::string_view text, std::size_t offset) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t left = text.size() - offset;
  const unsigned char lead = bytes[offset];
  if (lead < 0x80) return {lead, 1};

  std::size_t length;
  char32_t code_point;
  char32_t minimum;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, code_point = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code_point = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code_point = lead & 0x07, minimum = 0x10000;
  } else {
    return {kReplacement, 1};
  }
  if (left < length) return {kReplacement, 1};
  for (std::size_t i = 1; i < length; ++i) {
    if (!is_continuation(static_cast<char>(bytes[offset + i]))) return {kReplacement, 1};
    code_point = (code_point << 6) | (bytes[offset + i] & 0x3F);
  }
  const bool surrogate = code_point >= 0xD800 && code_point <= 0xDFFF;
  if (code_point < minimum || code_point > 0x10FFFF || surrogate) return {kReplacement, 1};
  return {code_point, length};
}

std::size_t sequence_length(std::string_view text, std::size_t offset) {
  const Decoded d = decode(text, offset);
  // A genuine U+FFFD is three bytes long; a one-byte replacement marks an error.
  return d.code_point == kReplacement && d.length == 1 ? 0 : d.length;
}

bool is_valid_utf8(std::string_view text) {
  std::size_t offset = 0;
  while (offset < text.size()) {
    const auto byte = static_cast<unsigned char>(text[offset]);
    if (byte < 0x80) {
      ++offset;
      continue;
    }
    const std::size_t length = sequence_length(text, offset);
    if (length == 0) return false;
    offset += length;
  }
  return true;
}

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace orvane::unicode

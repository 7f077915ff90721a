#include "input/json_writer.hpp"

#include <charconv>
#include <cstdint>
#include <type_traits>

#include "unicode/utf8.hpp"

namespace orvane::input {

namespace {

template <typename Integer>
void append_integer(std::string& out, Integer value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

void append_field(std::string& out, const Field& field) {
  std::visit(
      [&out](const auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::string>) {
          append_json_string(out, value);
        } else if constexpr (std::is_same_v<T, bool>) {
          out += value ? "true" : "false";
        } else if constexpr (std::is_same_v<T, std::vector<std::string>>) {
          out += '[';
          for (std::size_t i = 0; i < value.size(); ++i) {
            if (i > 0) out += ',';
            append_json_string(out, value[i]);
          }
          out += ']';
        } else if constexpr (std::is_same_v<T, bridge::JsonValue>) {
          // A default-constructed value holds no text; "null" keeps the line valid JSON.
          out += value.text.empty() ? std::string_view("null") : std::string_view(value.text);
        } else {
          append_integer(out, value);
        }
      },
      field);
}

}  // namespace

void append_json_string(std::string& out, std::string_view s) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  std::size_t i = 0;
  while (i < s.size()) {
    const auto byte = static_cast<unsigned char>(s[i]);
    if (byte >= 0x80) {
      const unicode::Decoded d = unicode::decode(s, i);
      if (d.code_point == 0xFFFD && d.length == 1) {
        out += "\uFFFD";
      } else {
        out.append(s, i, d.length);
      }
      i += d.length;
      continue;
    }
    switch (byte) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (byte < 0x20) {
          out += "\\u00";
          out += kHex[byte >> 4];
          out += kHex[byte & 0xF];
        } else {
          out += static_cast<char>(byte);
        }
    }
    ++i;
  }
  out += '"';
}

std::string json_text(const Message& message) {
  std::string out = "{";
  bool first = true;
  for (const auto& [key, field] : message) {
    if (!first) out += ',';
    first = false;
    append_json_string(out, key);
    out += ':';
    append_field(out, field);
  }
  out += '}';
  return out;
}

}  // namespace orvane::input

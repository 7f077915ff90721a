#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane::bridge {

// Length of the well-formed UTF-8 sequence at `text[offset]` (1 to 4), or 0
// when the bytes there are not one (overlong, surrogate, truncated, ...).
std::size_t utf8_sequence_length(std::string_view text, std::size_t offset);

void append_utf8(std::string& out, char32_t code_point);

}  // namespace orvane::bridge

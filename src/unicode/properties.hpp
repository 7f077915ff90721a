#pragma once
#include <cstddef>
#include <string_view>

namespace orvane::unicode {

// The Unicode White_Space property.
bool is_white_space(char32_t c);

// How many bytes of white space `text` starts with.
std::size_t leading_white_space(std::string_view text);

// Whether `text` is empty or white space throughout.
bool is_blank(std::string_view text);

// General category Cc: C0 controls, DEL and C1 controls.
bool is_control(char32_t c);

}  // namespace orvane::unicode

#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace orvane::unicode {

// `text` followed by spaces up to `width` display columns; unchanged when already as wide.
std::string padded(std::string_view text, std::size_t width);

}  // namespace orvane::unicode

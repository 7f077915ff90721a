#pragma once
#include <string>
#include <string_view>

namespace orvane::unicode {

// Simple Unicode lower-casing, code point by code point (no length-changing special
// cases), so that a case-insensitive match means the same thing everywhere.
std::string to_lower(std::string_view text);

}  // namespace orvane::unicode

#pragma once
#include <string>
#include <string_view>

#include "input/message.hpp"

namespace orvane::input {

// Appends `s` as a JSON string: quote, backslash and the controls U+0000–U+001F escaped
// (\b \f \n \r \t, else \u00xx), everything else raw UTF-8. Invalid UTF-8 bytes become
// U+FFFD so the result is always valid JSON.
void append_json_string(std::string& out, std::string_view s);

// The message as compact JSON: no whitespace, keys in ascending byte order.
std::string json_text(const Message& message);

}  // namespace orvane::input

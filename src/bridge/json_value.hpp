#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane::bridge {

// A free JSON value from the bridge. The client never looks inside it; it
// only compares it and sends it back. `text` is canonical compact JSON:
// object keys unique and in ascending byte order, no whitespace, strings
// re-escaped the standard way (\" \\ \b \f \n \r \t, \u00XX for the other
// controls, raw UTF-8 otherwise) and numbers exactly as the bridge wrote them.
struct JsonValue {
  std::string text;
};

// JSON value equality: the same JSON type, and
// - null equals null, booleans by value;
// - two integers (no fraction, no exponent) equal as integers of any size
//   (-0 equals 0);
// - two numbers written with a fraction or exponent equal as doubles
//   (1.0 == 1.00 == 1e0);
// - an integer never equals a number written with a fraction or exponent;
// - strings equal after unescaping, arrays element by element, objects as
//   key-to-value maps whatever the key order.
// Both texts must be canonical, as json_value and the decoder make them.
bool json_equal(const JsonValue& a, const JsonValue& b);

// The canonical form of one JSON text, or none when it is not valid JSON.
std::optional<JsonValue> json_value(std::string_view text);

inline bool operator==(const JsonValue& a, const JsonValue& b) {
  return json_equal(a, b);
}

}  // namespace orvane::bridge

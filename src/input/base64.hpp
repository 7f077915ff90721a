#pragma once
#include <string>
#include <string_view>

namespace orvane::input {

// Standard Base64 (RFC 4648: A–Z a–z 0–9 + /, "=" padding) of any bytes.
std::string base64(std::string_view bytes);

}  // namespace orvane::input

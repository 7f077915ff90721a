#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane::bridge {

// `bytes` made safe to quote in an error message that ends up on the
// terminal: C0 and C1 controls, DEL and invalid UTF-8 become \xNN
// or \u00NN escapes, and text beyond `max_bytes` is cut at a character
// boundary and marked with "…".
std::string printable(std::string_view bytes, std::size_t max_bytes = 40);

}  // namespace orvane::bridge

#pragma once
#include <string_view>
#include <vector>

namespace orvane::transcript {

// The lines of a text: split at line feeds, a carriage return before a line feed
// removed, no empty line after a final line feed. An empty text has no lines.
std::vector<std::string_view> text_lines(std::string_view text);

}  // namespace orvane::transcript

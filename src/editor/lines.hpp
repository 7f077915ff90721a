#pragma once
#include <cstddef>
#include <string_view>

namespace orvane::editor {

// Start of the line holding `offset`: one past the last "\n" before it, or 0.
std::size_t line_start(std::string_view text, std::size_t offset);

// End of the line holding `offset`: the next "\n" at or after it, or the end of the text.
// A "\r" right before that "\n" is left out, since "\r\n" is a single grapheme and the
// cursor must not land between its two bytes.
std::size_t line_end(std::string_view text, std::size_t offset);

}  // namespace orvane::editor

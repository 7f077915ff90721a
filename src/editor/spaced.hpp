#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace orvane::editor {

// `words` as they go into `text` at byte offset `at` (a code point boundary): with a space
// in front and one behind wherever they would otherwise run into the text around them.
std::string spaced(std::string_view text, std::size_t at, std::string_view words);

}  // namespace orvane::editor

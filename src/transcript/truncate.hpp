#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace orvane::transcript {

// `text` when it fits in `max` columns, else its longest head that fits together
// with a trailing "…". A wide character that would straddle the ellipsis column is
// left out whole, so the result can be a column narrower than `max`.
std::string truncate(std::string_view text, std::size_t max);

}  // namespace orvane::transcript

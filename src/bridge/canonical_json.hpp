#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::bridge {

// The deepest nesting of arrays and objects a line may have (simdjson's
// default limit).
inline constexpr std::size_t kMaxJsonDepth = 1024;

// Why a JSON text was refused; `offset` counts bytes from the start of the
// text given to append_canonical_json.
struct JsonError {
  std::size_t offset = 0;
  std::string what;
};

// Appends the canonical form (see JsonValue) of the single JSON value `text`,
// surrounded by optional whitespace, to `out`. `depth` levels of arrays and
// objects already enclose the value, and with its own it may not nest deeper
// than `max_depth`. Rejects anything that is not exactly one valid JSON
// value, and duplicate keys in an object; `out` then holds partial output.
// Works with an explicit stack, so any nesting is safe.
std::optional<JsonError> append_canonical_json(std::string_view text, std::size_t depth,
                                               std::size_t max_depth, std::string& out);

}  // namespace orvane::bridge

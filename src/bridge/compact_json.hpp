#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane::bridge {

// The quick way to the canonical form (see JsonValue) for the values the
// bridge usually sends: written without whitespace, with strings and keys of
// printable ASCII and no escapes, small and shallow. Appends the canonical
// form of `text` to `out` and returns true; returns false with `out`
// unchanged for anything else, valid or not, which is left to
// append_canonical_json. `depth` and `max_depth` as there.
bool append_compact_json(std::string_view text, std::size_t depth, std::size_t max_depth,
                         std::string& out);

}  // namespace orvane::bridge

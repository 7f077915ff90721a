#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "bridge/json_value.hpp"

namespace orvane::input {

// One field of an outbound message. A `bridge::JsonValue` is written verbatim from its
// canonical text, so whatever the bridge sent comes back unchanged.
using Field = std::variant<std::string, std::uint64_t, std::int64_t, bool, std::vector<std::string>,
                           bridge::JsonValue>;

// An outbound message: one JSON object. The map keeps the keys in ascending byte order,
// which is the order they go out in.
using Message = std::map<std::string, Field>;

}  // namespace orvane::input

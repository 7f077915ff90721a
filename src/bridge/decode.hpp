#pragma once

#include <cstddef>
#include <string>
#include <variant>

#include "bridge/snapshot.hpp"

namespace orvane::bridge {

// Why a line was refused: where in the record and what was wrong, e.g.
// "blocks[3].gap: expected an integer in 0..65535, found 70000". Bridge text
// quoted in it is escaped, so it can be shown on a terminal.
struct DecodeError {
  std::string message;
};

// Spare capacity past its end that lets a line be parsed without a copy.
inline constexpr std::size_t kLinePadding = 64;

// Decodes one line of the bridge's stream into a Snapshot. Any deviation
// from the record format rejects the whole line. A line whose capacity
// exceeds its size by kLinePadding is parsed in place; any other is copied.
std::variant<Snapshot, DecodeError> decode_snapshot(const std::string& line);

}  // namespace orvane::bridge

#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane::demo {

// One message of the client, with every field any message type carries; absent fields
// keep their defaults.
struct Action {
  std::string type;
  std::string text;
  std::string mode;
  std::string value;
  std::string key;
  std::string workspace;
  std::string prefix;
  std::string form;
  std::string body;
  std::string filter;
  std::optional<std::string> operation;  // compact JSON
  std::optional<std::uint64_t> generation;
  std::uint64_t revision = 0;
  std::int64_t selection = 0;
  bool open = false;
  bool discard = false;
  bool send = false;
  std::vector<std::string> lines;
};

// The message on one line, or none when the line is not a JSON object with a string `type`
// (fields of an unexpected type are ignored).
std::optional<Action> parse_action(std::string_view line);

// The string fields of a free JSON object, as the operations the demo sends hold.
std::optional<std::vector<std::pair<std::string, std::string>>> operation_fields(std::string_view json);

}  // namespace orvane::demo

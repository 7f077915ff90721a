#include "action.hpp"

#include <simdjson.h>

#include <utility>

namespace orvane::demo {

namespace {

void read_string(simdjson::dom::element value, std::string& out) {
  std::string_view text;
  if (value.get_string().get(text) == simdjson::SUCCESS) out = text;
}

// A field of another type than expected keeps its default.
template <typename T>
void read(simdjson::simdjson_result<T> result, T& out) {
  T value{};
  if (std::move(result).get(value) == simdjson::SUCCESS) out = value;
}

}  // namespace

std::optional<Action> parse_action(std::string_view line) {
  simdjson::dom::parser parser;
  simdjson::dom::object object;
  const simdjson::padded_string padded(line);
  if (parser.parse(padded).get_object().get(object) != simdjson::SUCCESS) return std::nullopt;

  Action action;
  std::string_view type;
  if (object["type"].get_string().get(type) != simdjson::SUCCESS) return std::nullopt;
  action.type = type;
  for (const auto field : object) {
    const std::string_view key = field.key;
    const simdjson::dom::element value = field.value;
    if (key == "text") read_string(value, action.text);
    else if (key == "mode") read_string(value, action.mode);
    else if (key == "value") read_string(value, action.value);
    else if (key == "key") read_string(value, action.key);
    else if (key == "workspace") read_string(value, action.workspace);
    else if (key == "prefix") read_string(value, action.prefix);
    else if (key == "form") read_string(value, action.form);
    else if (key == "body") read_string(value, action.body);
    else if (key == "filter") read_string(value, action.filter);
    else if (key == "operation") action.operation = simdjson::minify(value);
    else if (key == "revision") read(value.get_uint64(), action.revision);
    else if (key == "selection") read(value.get_int64(), action.selection);
    else if (key == "open") read(value.get_bool(), action.open);
    else if (key == "discard") read(value.get_bool(), action.discard);
    else if (key == "send") read(value.get_bool(), action.send);
    else if (key == "generation") {
      std::uint64_t generation = 0;
      if (value.get_uint64().get(generation) == simdjson::SUCCESS) action.generation = generation;
    } else if (key == "lines") {
      simdjson::dom::array lines;
      if (value.get_array().get(lines) != simdjson::SUCCESS) continue;
      for (const auto entry : lines) {
        std::string_view text;
        if (entry.get_string().get(text) == simdjson::SUCCESS) action.lines.emplace_back(text);
      }
    }
  }
  return action;
}

std::optional<std::vector<std::pair<std::string, std::string>>> operation_fields(std::string_view json) {
  simdjson::dom::parser parser;
  simdjson::dom::object object;
  const simdjson::padded_string padded(json);
  if (parser.parse(padded).get_object().get(object) != simdjson::SUCCESS) return std::nullopt;
  std::vector<std::pair<std::string, std::string>> fields;
  for (const auto field : object) {
    std::string value;
    read_string(field.value, value);
    fields.emplace_back(std::string(field.key), std::move(value));
  }
  return fields;
}

}  // namespace orvane::demo

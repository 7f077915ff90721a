#pragma once
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "trace/env.hpp"

namespace orvane::trace::testing {

// An environment holding exactly `variables`.
inline EnvLookup fake_env(std::map<std::string, std::string, std::less<>> variables) {
  return [variables = std::move(variables)](std::string_view name) -> std::optional<std::string> {
    auto found = variables.find(name);
    if (found == variables.end()) return std::nullopt;
    return found->second;
  };
}

}  // namespace orvane::trace::testing

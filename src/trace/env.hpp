#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::trace {

// Looks up an environment variable; none when it is not set. Injected so that
// tests do not depend on the process environment.
using EnvLookup = std::function<std::optional<std::string>(std::string_view name)>;

// The process environment.
std::optional<std::string> process_env(std::string_view name);

}  // namespace orvane::trace

#include "trace/env.hpp"

#include <cstdlib>

namespace orvane::trace {

std::optional<std::string> process_env(std::string_view name) {
  const char* value = std::getenv(std::string(name).c_str());
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

}  // namespace orvane::trace

#include "app/version.hpp"

#include <algorithm>

namespace orvane::app {

bool wants_version(std::span<const std::string_view> arguments) {
  return std::ranges::find(arguments, std::string_view("--version")) != arguments.end();
}

std::string version_banner() { return "Orvane Cellular \u00b7 bridge 2 (schema 1 compatible)\n"; }

}  // namespace orvane::app

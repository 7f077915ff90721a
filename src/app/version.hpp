#pragma once
#include <span>
#include <string>
#include <string_view>

namespace orvane::app {

// True when some argument is exactly "--version"; every other argument is ignored.
bool wants_version(std::span<const std::string_view> arguments);

// The one line "--version" prints, with its line feed.
std::string version_banner();

}  // namespace orvane::app

#pragma once
#include <string_view>

#include "model.hpp"

namespace orvane::demo {

// A slash command with its arguments, from the composer, a panel entry or a key.
void run_command(Model& model, std::string_view line, Time now);

}  // namespace orvane::demo

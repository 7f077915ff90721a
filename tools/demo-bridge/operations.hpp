#pragma once
#include <string_view>

#include "model.hpp"

namespace orvane::demo {

// A click on something the demo gave an `operation`: a block, a panel entry.
void run_operation(Model& model, std::string_view json, Time now);

}  // namespace orvane::demo

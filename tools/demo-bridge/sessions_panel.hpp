#pragma once
#include <cstdint>

#include "model.hpp"

namespace orvane::demo {

// The sessions panel: a navigation column of workspaces and statuses, and the sessions
// the selected entry stands for.
void open_sessions_panel(Model& model);
// The user moved to entry `index` of the navigation column.
void select_nav(Model& model, std::int64_t index);

}  // namespace orvane::demo

#pragma once
#include "action.hpp"
#include "model.hpp"

namespace orvane::demo {

// Reacts to one message of the client. Every message leaves a visible change or a log line;
// one that acts on another generation than the one shown is ignored (and logged).
void handle(Model& model, const Action& action, Time now);

}  // namespace orvane::demo

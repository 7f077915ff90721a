#pragma once
#include <string_view>

#include "model.hpp"

namespace orvane::demo {

// A finished thought folds into one "collapsed" line; clicking it unfolds it and clicking
// the thought folds it again.
void fold_thought(Model& model, std::string_view id);
void unfold_thought(Model& model, std::string_view id);

}  // namespace orvane::demo

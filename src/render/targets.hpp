#pragma once
#include <vector>

#include "render/cache.hpp"
#include "render/target.hpp"

namespace orvane::render {

// The click targets of the transcript, in line order: maximal runs of consecutive lines
// whose click values are equal JSON values. A line without a value ends a run.
std::vector<Target> targets(const Cache& cache);

}  // namespace orvane::render

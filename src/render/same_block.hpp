#pragma once

#include "bridge/snapshot.hpp"

namespace orvane::render {

// Whether two transcript blocks are interchangeable, so a block laid out for one serves
// the other. Blocks that both carry a revision tag are the same when their ids and tags
// are; otherwise every field must be equal, members included.
bool same_block(const bridge::Content& a, const bridge::Content& b);

}  // namespace orvane::render

#include "render/same_block.hpp"

namespace orvane::render {

bool same_block(const bridge::Content& a, const bridge::Content& b) {
  if (!a.rev.empty() && !b.rev.empty()) return a.id == b.id && a.rev == b.rev;
  // Field by field, free values by JSON value equality and members in full: the tag
  // shortcut holds only for top-level blocks.
  return a == b;
}

}  // namespace orvane::render

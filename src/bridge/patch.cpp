#include "bridge/patch.hpp"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <utility>
#include <vector>

namespace orvane::bridge {

std::optional<std::string_view> patch_error(const Snapshot& incoming, const Snapshot& current) {
  if (incoming.schema != 2) return std::nullopt;
  const std::uint64_t from = incoming.blocks_from;
  if (from > current.blocks.size()) return kInvalidPatchOffset;
  // A patch from 0 replaces everything, so only a kept head has to be the same conversation.
  if (from > 0 &&
      (incoming.generation != current.generation || incoming.agent_page != current.agent_page)) {
    return kPatchCrossesSessionPage;
  }
  return std::nullopt;
}

std::optional<std::string_view> restore_blocks(Snapshot& incoming, Snapshot& current) {
  if (incoming.schema != 2) return std::nullopt;
  if (const auto error = patch_error(incoming, current)) return error;
  std::vector<Content> blocks = std::move(current.blocks);
  current.blocks.clear();
  blocks.erase(blocks.begin() + static_cast<std::ptrdiff_t>(incoming.blocks_from), blocks.end());
  blocks.insert(blocks.end(), std::make_move_iterator(incoming.blocks.begin()),
                std::make_move_iterator(incoming.blocks.end()));
  incoming.blocks = std::move(blocks);
  return std::nullopt;
}

}  // namespace orvane::bridge

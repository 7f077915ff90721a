#pragma once
#include <cstddef>
#include <cstdint>

#include "bridge/snapshot.hpp"
#include "render/cache.hpp"
#include "render/palette.hpp"

namespace orvane::render {

// Brings the cache's transcript lines up to date with the snapshot at `width` columns:
// its plain lines when it has no blocks, else its blocks, each laid out only when no
// part built from the same block at the same width can be reused. While the composer
// holds text (`composer_typed`) hint blocks are laid out blank, so only they are laid
// out again when that changes. The work done besides comparing the blocks is in
// proportion to the blocks that changed. The caller may vouch that the first `known_same`
// blocks are the very ones of the last update, which spares comparing them.
void update_transcript(Cache& cache, const bridge::Snapshot& snapshot, bool composer_typed,
                       std::uint16_t width, const Palette& palette, std::size_t known_same = 0);

}  // namespace orvane::render

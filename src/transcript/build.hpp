#pragma once
#include <cstdint>
#include <vector>

#include "bridge/snapshot.hpp"
#include "render/palette.hpp"
#include "transcript/transcript_line.hpp"

namespace orvane::transcript {

// The lines the transcript pane shows for one block at `width` columns (at least 8):
// the block's spacer lines, then the layout its `kind` selects; unknown kinds get a
// plain title-and-text layout. A pure function of its arguments, so callers may
// cache the result per block and width; spinners are left as U+E000 for the
// drawing to animate.
std::vector<TranscriptLine> build(const bridge::Content& block, std::uint16_t width,
                                  const render::Palette& palette);

}  // namespace orvane::transcript

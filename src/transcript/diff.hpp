#pragma once
#include <cstddef>
#include <vector>

#include "bridge/snapshot.hpp"
#include "render/palette.hpp"
#include "transcript/transcript_line.hpp"

namespace orvane::transcript {

// Appends a diff block: a header with the title and the added and removed counts,
// then the bridge's rows side by side, old on the left and new on the right, each
// side with its own number gutter and background. Every line clicks as the block.
void diff(std::vector<TranscriptLine>& out, const bridge::Content& block, std::size_t width,
          const render::Palette& palette);

}  // namespace orvane::transcript

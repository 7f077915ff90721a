#pragma once
#include <cstddef>
#include <vector>

#include "bridge/snapshot.hpp"
#include "render/palette.hpp"
#include "transcript/transcript_line.hpp"

namespace orvane::transcript {

// Appends a user message as a solid bubble `width` columns wide: fold marker and
// title, the message number at the right of the first row, the text under a bar,
// then the attachment chips and their hint.
void user(std::vector<TranscriptLine>& out, const bridge::Content& block, std::size_t width,
          const render::Palette& palette);

}  // namespace orvane::transcript

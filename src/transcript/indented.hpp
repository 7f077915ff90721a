#pragma once
#include <cstddef>
#include <optional>
#include <vector>

#include "bridge/json_value.hpp"
#include "transcript/transcript_line.hpp"
#include "tui/text.hpp"

namespace orvane::transcript {

// Wraps the spans at width − indent − 2 columns and appends each row to `out`,
// after `indent` unstyled spaces and tagged with its own copy of `click`.
void indented(std::vector<TranscriptLine>& out, std::vector<tui::Span> spans, std::size_t indent,
              std::size_t width, const std::optional<bridge::JsonValue>& click);

}  // namespace orvane::transcript

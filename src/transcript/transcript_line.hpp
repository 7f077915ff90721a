#pragma once
#include <optional>

#include "bridge/json_value.hpp"
#include "tui/text.hpp"

namespace orvane::transcript {

// A styled line and what a click on it sends back; lines without `click` are inert.
struct TranscriptLine {
  tui::Line line;
  std::optional<bridge::JsonValue> click;
};

}  // namespace orvane::transcript

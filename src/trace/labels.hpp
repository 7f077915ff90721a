#pragma once
#include <string_view>

namespace orvane::trace {

// The names under which the loop and snapshot intake record their timings. The
// trace keeps only views of its labels, so these constants are what callers pass.
inline constexpr std::string_view kParse = "parse";
inline constexpr std::string_view kUpdateContent = "update_content";
inline constexpr std::string_view kDraw = "draw";
inline constexpr std::string_view kFlush = "flush";
inline constexpr std::string_view kKeyToFrame = "key→frame";
inline constexpr std::string_view kWheelToFrame = "wheel→frame";
inline constexpr std::string_view kInputToFrame = "input→frame";
inline constexpr std::string_view kSnapshotToFrame = "snapshot→frame";
inline constexpr std::string_view kEventHandling = "event handling";

}  // namespace orvane::trace

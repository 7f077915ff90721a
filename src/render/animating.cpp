#include "render/animating.hpp"

#include <algorithm>
#include <string_view>

namespace orvane::render {

namespace {

// U+E000, where a cached line shows a spinner frame.
constexpr std::string_view kSpinnerPlaceholder = "\xEE\x80\x80";

bool busy(std::string_view status) {
  return status == "active" || status == "running" || status == "working";
}

bool working(const bridge::Session& session) {
  return session.status == "working";
}

}  // namespace

bool spinning(const bridge::Content& block) {
  return std::string_view(block.text).find(kSpinnerPlaceholder) != std::string_view::npos ||
         (std::string_view(block.kind) == "tool_group" && block.status == "running");
}

bool animating(const bridge::Snapshot& snapshot) {
  return animating(snapshot, std::ranges::any_of(snapshot.blocks, spinning));
}

bool animating(const bridge::Snapshot& snapshot, bool spinning_block) {
  return snapshot.panel_loading || snapshot.voice_phase == "transcribing" ||
         snapshot.voice_phase == "recording" || busy(snapshot.status) || spinning_block ||
         std::ranges::any_of(snapshot.sessions, working) ||
         std::ranges::any_of(snapshot.tabs, working);
}

}  // namespace orvane::render

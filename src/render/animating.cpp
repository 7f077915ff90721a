#include "render/animating.hpp"

#include <algorithm>
#include <string_view>

#include "render/spinner.hpp"

namespace orvane::render {

namespace {

bool working(const bridge::Session& session) {
  return session.status == "working";
}

}  // namespace

bool is_busy(std::string_view status) {
  return status == "active" || status == "running" || status == "working";
}

bool voice_active(const bridge::Snapshot& snapshot) {
  return snapshot.voice_phase == "recording" || snapshot.voice_phase == "transcribing";
}

bool spinning(const bridge::Content& block) {
  return std::string_view(block.text).find(kSpinnerPlaceholder) != std::string_view::npos ||
         (std::string_view(block.kind) == "tool_group" && block.status == "running");
}

bool animating(const bridge::Snapshot& snapshot) {
  return animating(snapshot, std::ranges::any_of(snapshot.blocks, spinning));
}

bool animating(const bridge::Snapshot& snapshot, bool spinning_block) {
  return snapshot.panel_loading || voice_active(snapshot) || is_busy(snapshot.status) ||
         spinning_block ||
         std::ranges::any_of(snapshot.sessions, working) ||
         std::ranges::any_of(snapshot.tabs, working);
}

}  // namespace orvane::render

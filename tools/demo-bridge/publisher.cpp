#include "publisher.hpp"

#include <algorithm>
#include <span>

#include "snapshot_json.hpp"

namespace orvane::demo {

std::string Publisher::line(const bridge::Snapshot& state, Transcript& transcript) {
  const auto& blocks = transcript.blocks();
  const bool same_epoch = sent_ && state.generation == generation_ && state.agent_page == page_;
  // Blocks at the head that are the same as in the last line sent.
  const std::size_t unchanged = same_epoch ? std::min(transcript.changed_from(), sent_blocks_) : 0;
  const bool changed = unchanged < blocks.size() || blocks.size() != sent_blocks_;

  Framing framing{.schema = 1, .revision = ++revision_, .blocks_from = 0};
  if (same_epoch && unchanged > 0 && (changed || blocks.size() > kCompleteSnapshotBlocks)) {
    // From 0 when the head is unsettled: a full replacement the client cannot skip.
    framing.schema = 2;
    framing.blocks_from = std::min(settled_, unchanged);
  }

  const auto sent = std::span(blocks).subspan(framing.blocks_from);
  std::string text = snapshot_json(state, framing, sent);

  const bool skippable = framing.schema == 1 && state.restore.empty() && state.insert.empty();
  settled_ = skippable ? std::min(settled_, unchanged) : blocks.size();
  sent_ = true;
  generation_ = state.generation;
  page_ = state.agent_page;
  sent_blocks_ = blocks.size();
  transcript.mark_sent();
  return text;
}

}  // namespace orvane::demo

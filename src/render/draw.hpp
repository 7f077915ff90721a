#pragma once
#include <cstddef>
#include <string_view>

#include "bridge/snapshot.hpp"
#include "editor/editor.hpp"
#include "render/cache.hpp"
#include "render/regions.hpp"
#include "tui/frame.hpp"

namespace orvane::render {

// The loop's view state a frame is drawn from.
struct View {
  const editor::Editor& composer;
  const editor::Editor& form;
  const editor::Editor& answer;
  std::string_view panel_filter;
  // The selected row of a list panel or the selected choice of a prompt.
  std::size_t selection = 0;
  // The requested top line of the transcript.
  std::size_t transcript_offset = 0;
  // The first line shown of a text panel or a prompt body.
  std::size_t panel_scroll = 0;
  // The transcript sticks to its end.
  bool follow = true;
  bool panel_text_focus = false;
  std::size_t sidebar_offset = 0;
  std::size_t logs_offset = 0;
  std::size_t details_offset = 0;
  // How many leading blocks of the snapshot are, as the loop knows, the very ones the last
  // frame was drawn from; comparing them again is spared.
  std::size_t blocks_as_drawn = 0;
};

// Paints one whole frame of the snapshot and returns where everything went. Only the
// cache changes: the laid-out transcript, the bottom space and the maximum top.
Regions draw(tui::Frame& frame, const bridge::Snapshot& snapshot, const View& view, Cache& cache);

}  // namespace orvane::render

#pragma once
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bridge/snapshot.hpp"
#include "editor/editor.hpp"
#include "render/cache.hpp"
#include "render/regions.hpp"
#include "trace/trace.hpp"

namespace orvane::app {

using Clock = std::chrono::steady_clock;

// Where the user was on a page they left for another one.
struct PageEntry {
  std::string page;
  std::size_t transcript_offset = 0;
  bool follow = true;
  std::size_t details_offset = 0;
};

// A mouse selection in the transcript: lines count from the top of the whole transcript,
// columns in cells from its left edge; the head column is one past the last cell.
struct TranscriptSelection {
  bool dragging = false;
  std::size_t anchor_line = 0;
  std::size_t anchor_column = 0;
  std::size_t head_line = 0;
  std::size_t head_column = 0;
};

// Candidates the bridge sent for one completion key (prefix or query).
struct CompletionEntry {
  std::string key;
  std::vector<std::string> candidates;
};

inline constexpr std::size_t kPageHistoryEntries = 8;
inline constexpr std::size_t kCompletionCacheEntries = 32;

// Everything the client keeps besides the snapshot itself is view state, owned by the
// loop and changed only by the loop, intake and the input handlers.
struct LoopState {
  explicit LoopState(Clock::time_point start) : last_esc(start - std::chrono::seconds(2)), animation_start(start) {}

  // Snapshot.
  bridge::Snapshot snapshot;
  bool snapshot_seen = false;
  // Rebuilt every iteration: the theme, the word at the composer cursor as
  // `completion_query` and its local candidates as `completions`. The popup is drawn from it.
  bridge::Snapshot overlay;

  // Editors and what they belong to.
  editor::Editor composer;
  editor::Editor form_editor;
  std::string form_key;
  std::uint64_t form_edits = 0;
  std::optional<Clock::time_point> form_last_edit;
  editor::Editor answer;
  std::string prompt_key;

  // Transcript view.
  std::size_t transcript_offset = 0;
  bool follow = true;
  std::vector<PageEntry> page_history;
  // Where the left button went down in the transcript, as a line and a column like a
  // selection's; none while it is up or went down elsewhere.
  std::optional<render::TextPoint> press;
  // Drawing reads `cache.selection`: every change here is mirrored there.
  std::optional<TranscriptSelection> transcript_selection;
  bool target_mode = false;
  std::size_t target_index = 0;

  // Panel.
  std::string panel_filter;
  std::size_t selection = 0;
  std::size_t panel_scroll = 0;
  bool panel_text_focus = false;

  // Details sidebar.
  bool details_focus = false;
  std::size_t details_offset = 0;
  std::size_t selected_file = 0;
  bool logs_view = false;
  std::size_t logs_offset = 0;
  bool details_visible_sent = false;

  // Sessions sidebar.
  std::size_t sidebar_offset = 0;
  bool sidebar_filter_mode = false;
  std::string sidebar_filter;

  // Completion.
  std::string completion_seen_text;
  std::size_t completion_seen_cursor = 0;
  std::optional<Clock::time_point> completion_deadline;
  std::string completion_requested;  // the text before the cursor last sent in "complete"
  // The popup stays closed while the word at the cursor equals this; U+0000 matches no word.
  std::string dismissed_word = std::string(1, '\0');
  std::size_t popup_selection = 0;
  std::vector<CompletionEntry> completion_cache;

  // Keys.
  std::optional<Clock::time_point> chord;
  Clock::time_point last_esc;

  // Voice: the composer cursor when recording started.
  std::optional<std::size_t> voice_anchor;

  // Rendering: laid-out lines between frames, and where the last frame put everything.
  render::Cache cache;
  // The leading blocks of the snapshot that are still those the last frame was drawn from:
  // a transcript patch keeps the blocks before its splice, a whole snapshot none.
  std::size_t blocks_as_drawn = 0;
  render::Regions regions;

  // Loop control.
  bool redraw = true;
  bool animating = false;
  // The first block of the current transcript that shows a spinner, or the number of
  // blocks. A transcript patch keeps the blocks before it, so intake need not check them
  // again to recompute `animating`.
  std::size_t first_spinning_block = 0;
  Clock::time_point animation_start;
  std::uint64_t last_tick = 0;
  std::uint64_t last_step = 0;
  trace::Trace trace;
  std::optional<Clock::time_point> pending_input_start;
  std::string_view pending_input_label;
  std::optional<Clock::time_point> pending_snapshot_start;
};

}  // namespace orvane::app

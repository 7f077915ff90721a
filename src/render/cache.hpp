#pragma once
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "bridge/json_value.hpp"
#include "bridge/snapshot.hpp"
#include "render/chrome/sidebar_hit.hpp"
#include "render/indexed.hpp"
#include "render/palette.hpp"
#include "render/target.hpp"
#include "render/voice_preview.hpp"
#include "tui/text.hpp"

namespace orvane::render {

// One laid-out transcript block, shared between the part map and the line sequences.
struct Part {
  // The block as received, before the hint text is blanked.
  bridge::Content block;
  std::shared_ptr<const std::vector<tui::Line>> lines;
  // The click value of each line of `lines`.
  std::shared_ptr<const std::vector<std::optional<bridge::JsonValue>>> actions;
  // The transcript width it was laid out for.
  std::uint16_t width = 0;
  // The hint text was blanked because the composer held text; only "hints" blocks ever
  // are, so only they depend on the composer.
  bool blanked = false;
};

// A block's place in the laid-out transcript: its part, and copies of the few fields that
// decide whether the part can stay, so that checking a long unchanged transcript reads one
// contiguous list instead of visiting every part.
struct PlacedBlock {
  std::shared_ptr<const Part> part;
  std::string id;
  std::string rev;
  std::uint16_t width = 0;
  bool blanked = false;
};

// A position in the transcript: a line index and a display column.
struct TextPoint {
  std::size_t line = 0;
  std::size_t column = 0;

  friend bool operator==(const TextPoint&, const TextPoint&) = default;
};

// The mouse selection; `head` moves with the drag and may come before `anchor`.
struct Selection {
  TextPoint anchor;
  TextPoint head;

  friend bool operator==(const Selection&, const Selection&) = default;
};

// The session sidebar's rows and what they were built from.
struct SidebarRows {
  std::uint64_t revision = 0;
  std::uint16_t width = 0;
  std::string filter;
  bool filter_focused = false;
  std::uint64_t slow_tick = 0;
  std::vector<chrome::SidebarLine> rows;
};

// A text panel's rendered body and what it was rendered from.
struct TextPanel {
  std::vector<std::string> lines;
  std::vector<std::string> tones;
  std::string format;
  std::uint16_t width = 0;
  std::vector<tui::Line> rendered;
};

// The details panel's rows and what they were built from.
struct DetailsRows {
  std::uint64_t revision = 0;
  std::uint16_t width = 0;
  std::vector<tui::Line> rows;
  // For each row, the index into `details_panel.files` of the file it stands for.
  std::vector<std::optional<std::size_t>> targets;
};

// Plain lines (the transcript when a snapshot has no blocks, the bodies of text panels and
// prompts) cut into rows at `wrap_width` columns, grapheme by grapheme, styled by how each
// line starts.
std::vector<tui::Line> plain_rows(const std::vector<std::string>& plain, std::uint16_t wrap_width,
                                  const Palette& palette);

// What drawing remembers between frames: the laid-out transcript, keyed by what it was
// built from, the memoized panel rows, and the view state drawing shares with the loop.
struct Cache {
  // The inclusive line range of the focused click target; set by the loop.
  std::optional<Target> focus_range;
  // Byte offset in the composer text where the voice preview is shown.
  std::optional<std::size_t> voice_anchor;
  std::optional<Selection> selection;
  // The blocks `lines` were built from, in order, as their parts (each part keeps its
  // block, so the blocks are not copied again); empty while the lines come from plain
  // lines. While not empty, `lines` and `actions` hold one part per block in the same order.
  std::vector<PlacedBlock> blocks;
  // The click value of every transcript line.
  Indexed<std::optional<bridge::JsonValue>> actions;
  // The plain lines `lines` were built from; empty while they come from blocks.
  std::vector<std::string> plain_source;
  Indexed<tui::Line> lines;
  // The `agent_page` of the current snapshot.
  std::string page_key;
  // The `agent_page` the parts in `blocks` were keyed with; `page_key` follows the
  // snapshot even on frames that rebuild nothing.
  std::string built_page;
  std::string session_filter;
  std::optional<SidebarRows> sidebar_rows;
  std::optional<TextPanel> text_panel;
  std::optional<DetailsRows> details_rows;
  // How long the last transcript update took; zero when it rebuilt nothing.
  std::chrono::steady_clock::duration update_time{};
  // How many blocks the last transcript update laid out.
  std::size_t built_blocks = 0;
  std::unordered_map<std::string, std::shared_ptr<const Part>> parts;
  // Rows left blank under the last transcript line.
  std::size_t bottom_space = 0;
  // The largest top line the transcript can scroll to.
  std::size_t max_top = 0;
  // Animation clocks: 8 ticks a second (spinners, blinking, reveal) and 30 (activity bar).
  std::uint64_t slow_tick = 0;
  std::uint64_t fast_tick = 0;
  // The voice preview seen at the last frame, when it changed and how much of it had
  // settled.
  VoiceReveal voice_reveal;
  // The width `lines` were built for; 0 forces a rebuild.
  std::uint16_t width = 0;
  // The composer had text at the current frame.
  bool composer_typed = false;
  // `composer_typed` when the lines were last built.
  bool built_typed = false;
  // The session filter has the keyboard.
  bool filter_focused = false;
  // The start of the animation clocks.
  std::chrono::steady_clock::time_point clock = std::chrono::steady_clock::now();

  // Lays out plain lines (the transcript when a snapshot has no blocks) with plain_rows;
  // nothing is done when they and the width are what the lines were built from.
  void update(const std::vector<std::string>& plain, std::uint16_t wrap_width,
              const Palette& palette);

  // The details panel's rows for the snapshot at `width`, built again only when the
  // revision or the width changed, so that clicks hit what was drawn.
  const DetailsRows& detail_rows(const bridge::Snapshot& snapshot, const Palette& palette,
                                 std::uint16_t width);

  // Forgets everything that depends on colours or terminal size: the next transcript
  // update lays out every block again.
  void reset();
};

}  // namespace orvane::render

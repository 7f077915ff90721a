#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

#include "bridge/snapshot.hpp"
#include "editor/editor.hpp"
#include "render/palette.hpp"
#include "render/voice_preview.hpp"
#include "tui/buffer.hpp"
#include "tui/rect.hpp"

namespace orvane::render {

// What the composer reads from the render cache besides the reveal state.
struct ComposerClock {
  // 8 ticks a second: the voice-preview reveal.
  std::uint64_t slow_tick = 0;
  // 30 ticks a second: the activity bar sweep.
  std::uint64_t fast_tick = 0;
};

// Draws the composer into `area`: on a sub-agent page only the read-only banner; otherwise
// the queued messages and attachments, the editor box with its agent-coloured bar, the text
// (with the live voice preview spliced in at `voice_anchor` while recording or
// transcribing) or the placeholder, the control row and the activity bar. `reveal` is
// updated when the voice preview changed.
void draw_composer(tui::Buffer& buffer, tui::Rect area, const bridge::Snapshot& snapshot,
                   const editor::Editor& editor, const Palette& palette,
                   std::optional<std::size_t> voice_anchor, VoiceReveal& reveal,
                   ComposerClock clock);

// While recording, the blinking "■" at the start of the composer's activity bar, drawn last
// so no panel covers it: accent for half a second, faint for the other half.
void draw_recording_mark(tui::Buffer& buffer, tui::Rect area, const bridge::Snapshot& snapshot,
                         const Palette& palette, std::uint64_t slow_tick);

}  // namespace orvane::render

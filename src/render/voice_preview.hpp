#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "editor/editor.hpp"

namespace orvane::render {

// What the composer remembers between frames about the live voice preview, so that newly
// recognised letters can flicker for a moment before they settle.
struct VoiceReveal {
  // The preview seen at the last frame.
  std::string last_preview;
  // The slow tick at which the preview last changed.
  std::uint64_t preview_tick = 0;
  // How many characters of the preview were already settled before its last change.
  std::size_t stable_chars = 0;
};

// Records a new preview: the words it shares with the previous one, up to the last shared
// whitespace, stay settled. Nothing changes while the preview is the same.
void note_preview(VoiceReveal& reveal, std::string_view preview, std::uint64_t slow_tick);

// The preview as shown at `slow_tick`: for three ticks after a change, the unsettled ASCII
// letters (except every third character) are replaced by changing lower-case letters.
std::string revealed_preview(std::string_view preview, const VoiceReveal& reveal,
                             std::uint64_t slow_tick);

// A copy of the editor's text, cursor and selection with `shown` inserted at `anchor` (the
// cursor when absent, limited to the text), padded with a space on a side that touches a
// non-blank character. The cursor and the anchor move along when they are at or after the
// insertion point. Nothing is inserted when the anchor falls inside a character.
editor::Editor with_preview(const editor::Editor& editor, std::string_view shown,
                            std::optional<std::size_t> anchor);

}  // namespace orvane::render

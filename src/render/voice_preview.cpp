#include "render/voice_preview.hpp"

#include <algorithm>

#include "editor/spaced.hpp"
#include "unicode/properties.hpp"
#include "unicode/utf8.hpp"

namespace orvane::render {

namespace {

bool is_ascii_letter(char32_t c) {
  return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

bool starts_char(std::string_view text, std::size_t offset) {
  return offset >= text.size() || !unicode::is_continuation(text[offset]);
}

}  // namespace

void note_preview(VoiceReveal& reveal, std::string_view preview, std::uint64_t slow_tick) {
  if (preview == reveal.last_preview) return;
  const std::string_view previous = reveal.last_preview;
  std::size_t stable = 0;
  std::size_t index = 0;
  for (std::size_t a = 0, b = 0; a < preview.size() && b < previous.size(); ++index) {
    const unicode::Decoded mine = unicode::decode(preview, a);
    const unicode::Decoded theirs = unicode::decode(previous, b);
    if (mine.code_point != theirs.code_point) break;
    if (unicode::is_white_space(mine.code_point)) stable = index + 1;
    a += mine.length;
    b += theirs.length;
  }
  reveal.stable_chars = stable;
  reveal.last_preview = std::string(preview);
  reveal.preview_tick = slow_tick;
}

std::string revealed_preview(std::string_view preview, const VoiceReveal& reveal,
                             std::uint64_t slow_tick) {
  const std::uint64_t age = slow_tick > reveal.preview_tick ? slow_tick - reveal.preview_tick : 0;
  if (age > 2) return std::string(preview);
  std::string out;
  out.reserve(preview.size());
  std::size_t index = 0;
  for (std::size_t offset = 0; offset < preview.size(); ++index) {
    const unicode::Decoded decoded = unicode::decode(preview, offset);
    const bool settled =
        index < reveal.stable_chars || !is_ascii_letter(decoded.code_point) || index % 3 == 0;
    if (settled) {
      out.append(preview.substr(offset, decoded.length));
    } else {
      // Taken modulo 26 term by term, so large ticks cannot overflow.
      const std::uint64_t letter = (17 * (index % 26) + 11 * (slow_tick % 26)) % 26;
      out += static_cast<char>('a' + letter);
    }
    offset += decoded.length;
  }
  return out;
}

editor::Editor with_preview(const editor::Editor& editor, std::string_view shown,
                            std::optional<std::size_t> anchor) {
  editor::Editor copy;
  copy.text = editor.text;
  copy.cursor = editor.cursor;
  copy.anchor = editor.anchor;
  const std::string_view text = editor.text;
  const std::size_t at = std::min(anchor.value_or(editor.cursor), text.size());
  if (!starts_char(text, at)) return copy;

  const std::string inserted = editor::spaced(text, at, shown);

  copy.text.insert(at, inserted);
  if (copy.cursor >= at) copy.cursor += inserted.size();
  if (copy.anchor && *copy.anchor >= at) *copy.anchor += inserted.size();
  return copy;
}

}  // namespace orvane::render

#include <string_view>

#include "editor/editor.hpp"
#include "editor/lines.hpp"
#include "unicode/grapheme.hpp"
#include "unicode/properties.hpp"
#include "unicode/utf8.hpp"

namespace orvane::editor {
namespace {

bool white_space_after(std::string_view text, std::size_t offset) {
  return unicode::is_white_space(unicode::decode(text, offset).code_point);
}

// Tests the code point that ends at `offset`; a broken sequence counts as a word character.
bool white_space_before(std::string_view text, std::size_t offset) {
  std::size_t start = offset - 1;
  while (start > 0 && offset - start < 4 && unicode::is_continuation(text[start])) --start;
  const unicode::Decoded decoded = unicode::decode(text, start);
  return start + decoded.length == offset && unicode::is_white_space(decoded.code_point);
}

// Byte length of the first `count` graphemes of `line`, or of all of it when it has fewer.
std::size_t grapheme_prefix(std::string_view line, std::size_t count) {
  std::size_t offset = 0;
  for (; count > 0 && offset < line.size(); --count) offset = unicode::next_boundary(line, offset);
  return offset;
}

}  // namespace

// Both directions segment only the text on one side of the cursor, so what is found does
// not depend on what lies beyond it.
void Editor::left() {
  if (cursor == 0) return;
  cursor = unicode::previous_boundary(std::string_view(text).substr(0, cursor), cursor);
}

void Editor::right() {
  if (cursor >= text.size()) return;
  cursor += unicode::next_boundary(std::string_view(text).substr(cursor), 0);
}

void Editor::word(bool forward) {
  if (forward) {
    while (cursor < text.size() && !white_space_after(text, cursor)) right();
    while (cursor < text.size() && white_space_after(text, cursor)) right();
  } else {
    while (cursor > 0 && white_space_before(text, cursor)) left();
    while (cursor > 0 && !white_space_before(text, cursor)) left();
  }
}

void Editor::vertical(bool down) {
  const std::string_view all(text);
  const std::size_t start = line_start(all, cursor);
  const std::size_t column = unicode::grapheme_count(all.substr(start, cursor - start));

  std::size_t target = 0;
  if (down) {
    const std::size_t newline = all.find('\n', cursor);
    if (newline == std::string_view::npos) return;
    target = newline + 1;
  } else {
    if (start == 0) return;
    target = line_start(all, start - 1);
  }
  const std::size_t end = line_end(all, target);
  cursor = target + grapheme_prefix(all.substr(target, end - target), column);
}

}  // namespace orvane::editor

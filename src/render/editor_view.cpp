#include "render/editor_view.hpp"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "unicode/grapheme.hpp"
#include "unicode/properties.hpp"
#include "unicode/utf8.hpp"
#include "unicode/width.hpp"

namespace orvane::render {

namespace {

constexpr std::string_view kCursorGlyph = "\u258F";

bool has_control(std::string_view grapheme) {
  for (std::size_t offset = 0; offset < grapheme.size();) {
    const unicode::Decoded decoded = unicode::decode(grapheme, offset);
    if (unicode::is_control(decoded.code_point)) return true;
    offset += decoded.length;
  }
  return false;
}

// Every character as a printable escape ("\t", "\u{1b}"), so no control byte typed or
// inserted by the bridge reaches the terminal.
std::string escaped(std::string_view grapheme) {
  std::string out;
  for (std::size_t offset = 0; offset < grapheme.size();) {
    const unicode::Decoded decoded = unicode::decode(grapheme, offset);
    offset += decoded.length;
    const char32_t c = decoded.code_point;
    switch (c) {
      case U'\t':
        out += "\\t";
        continue;
      case U'\r':
        out += "\\r";
        continue;
      case U'\n':
        out += "\\n";
        continue;
      case U'\'':
        out += "\\'";
        continue;
      case U'"':
        out += "\\\"";
        continue;
      case U'\\':
        out += "\\\\";
        continue;
      default:
        break;
    }
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
      continue;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string digits;
    for (char32_t rest = c; rest != 0 || digits.empty(); rest >>= 4)
      digits.insert(digits.begin(), kHex[rest & 0xF]);
    out += "\\u{" + digits + "}";
  }
  return out;
}

// Builds the rows one grapheme at a time, starting a new row when the next piece would
// overflow a non-empty one, and merging neighbours of equal style into one span.
struct RowBuilder {
  std::size_t width;
  std::vector<tui::Line> rows{tui::Line{}};
  std::size_t used = 0;
  bool row_empty = true;

  void new_row() {
    rows.emplace_back();
    used = 0;
    row_empty = true;
  }

  void push(std::string_view text, std::size_t text_width, const tui::Style& style) {
    if (!row_empty && used + text_width > width) new_row();
    auto& spans = rows.back().spans;
    if (!spans.empty() && spans.back().style == style) {
      spans.back().content += text;
    } else {
      spans.emplace_back(std::string(text), style);
    }
    used += text_width;
    row_empty = false;
  }
};

}  // namespace

std::vector<tui::Line> editor_view(const editor::Editor& editor, bool secret,
                                   const Palette& palette, std::uint16_t width,
                                   std::uint16_t height) {
  const std::string& text = editor.text;
  std::size_t select_from = 0, select_to = 0;
  if (editor.anchor && *editor.anchor != editor.cursor) {
    select_from = std::min(*editor.anchor, editor.cursor);
    select_to = std::max(*editor.anchor, editor.cursor);
  }
  const tui::Style cursor_style = tui::Style().with_fg(palette.accent);
  const tui::Style plain_style = tui::Style().with_fg(palette.text);
  const tui::Style selected_style =
      tui::Style().with_fg(palette.background).with_bg(palette.accent);

  RowBuilder rows{width < 2 ? std::size_t{1} : std::size_t{width}};
  std::size_t cursor_row = 0;
  const auto put_cursor = [&] {
    rows.push(kCursorGlyph, 1, cursor_style);
    cursor_row = rows.rows.size() - 1;
  };

  const unicode::Graphemes graphemes(text);
  for (auto it = graphemes.begin(); it != graphemes.end(); ++it) {
    const std::size_t offset = it.offset();
    const std::string_view grapheme = *it;
    if (offset == editor.cursor) put_cursor();
    if (grapheme == "\n") {
      rows.new_row();
      continue;
    }
    const tui::Style& style =
        offset >= select_from && offset < select_to ? selected_style : plain_style;
    if (secret) {
      rows.push("\u2022", 1, style);
    } else if (has_control(grapheme)) {
      const std::string shown = escaped(grapheme);
      rows.push(shown, unicode::text_width(shown), style);
    } else {
      rows.push(grapheme, unicode::cluster_width(grapheme), style);
    }
  }
  if (editor.cursor == text.size()) put_cursor();

  if (height == 0) return {};
  const std::size_t first = cursor_row >= height ? cursor_row - (height - 1) : 0;
  const std::size_t last = std::min(rows.rows.size(), first + height);
  return {std::make_move_iterator(rows.rows.begin() + static_cast<std::ptrdiff_t>(first)),
          std::make_move_iterator(rows.rows.begin() + static_cast<std::ptrdiff_t>(last))};
}

}  // namespace orvane::render

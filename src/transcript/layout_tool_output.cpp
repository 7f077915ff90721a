#include <string>
#include <vector>

#include "transcript/layouts.hpp"
#include "unicode/padded.hpp"
#include "unicode/properties.hpp"
#include "unicode/width.hpp"

namespace orvane::transcript {

namespace {

constexpr std::size_t kKeyColumn = 12;

std::string_view without_leading_space(std::string_view text) {
  return text.substr(unicode::leading_white_space(text));
}

// "  key: value" — indented by exactly two spaces, which is how tools print fields;
// four spaces mark code or nested output, which keeps its own layout.
bool key_value(std::string_view text) {
  return text.starts_with("  ") && !text.starts_with("    ") &&
         without_leading_space(text).find(": ") != std::string_view::npos;
}

}  // namespace

void member_output(std::vector<TranscriptLine>& out, std::string_view text, std::size_t width,
                   const std::optional<bridge::JsonValue>& click, const render::Palette& palette) {
  const std::vector<tui::Span> gutter{tui::Span("  \u2502 ", tui::Style().with_fg(palette.rule))};
  const tui::Style muted = tui::Style().with_fg(palette.muted);
  if (!key_value(text)) {
    const bool indented = text.starts_with(' ');
    if (text.starts_with("  ")) text.remove_prefix(2);
    const tui::Style style = tui::Style().with_fg(indented ? palette.text : palette.muted);
    append_wrapped(out, {tui::Span(std::string(text), style)}, width - 4, gutter, gutter,
                   RowStyle{}, click);
    return;
  }

  const std::string_view field = without_leading_space(text);
  const std::size_t colon = field.find(": ");
  const std::string_view key = field.substr(0, colon);
  const std::vector<tui::Span> blank_key{gutter[0], tui::Span(std::string(kKeyColumn, ' '), muted)};
  std::vector<tui::Span> first{gutter[0], tui::Span(unicode::padded(key, kKeyColumn), muted)};
  // A key too wide for its column takes rows of its own above the value.
  if (unicode::text_width(key) > kKeyColumn) {
    append_wrapped(out, {tui::Span(std::string(key), muted)}, kKeyColumn, gutter, gutter,
                   RowStyle{}, click);
    first = blank_key;
  }
  append_wrapped(
      out, {tui::Span(std::string(field.substr(colon + 2)), tui::Style().with_fg(palette.text))},
      width > 16 ? width - 16 : 0, std::move(first), blank_key, RowStyle{}, click);
}

}  // namespace orvane::transcript

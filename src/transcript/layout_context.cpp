#include <string>
#include <vector>

#include "transcript/color.hpp"
#include "transcript/layouts.hpp"
#include "transcript/text_lines.hpp"

namespace orvane::transcript {

namespace {

std::string without_tokens_word(std::string_view status) {
  constexpr std::string_view kWord = " tokens";
  std::string out;
  out.reserve(status.size());
  for (std::size_t at = status.find(kWord); at != std::string_view::npos; at = status.find(kWord)) {
    out += status.substr(0, at);
    status.remove_prefix(at + kWord.size());
  }
  out += status;
  return out;
}

}  // namespace

void context_badge(std::vector<TranscriptLine>& out, const bridge::Content& block,
                   std::size_t width, const render::Palette& palette) {
  const tui::Color badge = color(block.color, tui::rgb(0x8a, 0x8a, 0x8a), palette);
  std::vector<tui::Span> header{tui::Span(
      " " + block.title + " ",
      tui::Style().with_fg(palette.background).with_bg(badge).with_add(tui::Modifier::Bold))};
  if (!block.status.empty()) {
    header.emplace_back(" " + block.status, tui::Style().with_fg(palette.faint));
  }
  append_indented(out, std::move(header), 2, width, block.operation);
  const tui::Style muted = tui::Style().with_fg(palette.muted);
  for (const std::string_view line : text_lines(block.text)) {
    append_indented(out, {tui::Span(std::string(line), muted)}, 4, width, block.operation);
  }
}

void context_strip(std::vector<TranscriptLine>& out, const bridge::Content& block,
                   std::size_t width, const render::Palette& palette) {
  std::vector<tui::Span> spans;
  spans.reserve(2 * block.members.size());
  const tui::Style muted = tui::Style().with_fg(palette.muted);
  for (const bridge::Content& member : block.members) {
    spans.emplace_back("\u258C", tui::Style().with_fg(color(member.color, palette.blue, palette)));
    spans.emplace_back(member.title + " " + without_tokens_word(member.status) + "   ", muted);
  }
  const std::vector<tui::Span> indent{tui::Span("    ")};
  append_wrapped(out, std::move(spans), width - 4, indent, indent, RowStyle{}, block.operation);
}

}  // namespace orvane::transcript

#include <algorithm>
#include <string>
#include <vector>

#include "transcript/color.hpp"
#include "transcript/layouts.hpp"
#include "transcript/text_lines.hpp"
#include "transcript/truncate.hpp"
#include "unicode/width.hpp"

namespace orvane::transcript {

namespace {

struct Glyph {
  std::string_view text;
  tui::Color color;
};

Glyph status_glyph(const bridge::Content& group, const render::Palette& palette) {
  if (group.failures > 0) return {"\u2717", palette.error};
  if (group.status == "running") {
    return {kSpinnerPlaceholder, color(group.color, palette.blue, palette)};
  }
  return {"\u2713", palette.success};
}

// Two columns, right-aligned; a single tool shows no count.
std::string count_text(std::uint64_t count) {
  if (count <= 1) return "  ";
  std::string text = std::to_string(std::min<std::uint64_t>(count, 99));
  return text.size() == 1 ? " " + text : text;
}

// The title padded to 8 columns, so that the texts of a group's members line up.
std::string member_label(const bridge::Content& member) {
  std::string label = member.title;
  const std::size_t title_width = unicode::text_width(member.title);
  if (title_width < 8) label.append(8 - title_width, ' ');
  label += ' ';
  label += member.text;
  return label;
}

void member_lines(std::vector<TranscriptLine>& out, const bridge::Content& member,
                  std::size_t width, const render::Palette& palette) {
  const tui::Style muted = tui::Style().with_fg(palette.muted);
  out.push_back(
      {tui::Line(
           {tui::Span(member.batch_glyph.empty() ? "  \u25B8 " : "  \u2225 ", muted),
            tui::Span(truncate(member_label(member), width - 4),
                      member.status == "failed" ? tui::Style().with_fg(palette.error) : muted)}),
       member.operation});
  const auto& output_click = member.output_operation ? member.output_operation : member.operation;
  for (const std::string_view text : text_lines(member.detail)) {
    member_output(out, text, width, output_click, palette);
  }
  for (const bridge::Content& nested : member.members) append_block(out, nested, width, palette);
}

}  // namespace

// A summary line with the status glyph, the number of tools and the failures, then
// each member with its output. The group's own `detail` is not shown.
void tool_group(std::vector<TranscriptLine>& out, const bridge::Content& block, std::size_t width,
                const render::Palette& palette) {
  const Glyph glyph = status_glyph(block, palette);
  const std::string failures =
      block.failures > 0 ? " \u00B7 " + std::to_string(block.failures) + " failed" : std::string();
  const std::size_t reserved = unicode::text_width(failures) + 4;
  out.push_back({tui::Line({tui::Span(std::string(glyph.text), tui::Style().with_fg(glyph.color)),
                            tui::Span(count_text(block.count), tui::Style().with_fg(palette.muted)),
                            tui::Span(" "),
                            tui::Span(truncate(block.text, width > reserved ? width - reserved : 0),
                                      tui::Style().with_fg(palette.text)),
                            tui::Span(failures, tui::Style().with_fg(palette.error))}),
                 block.operation});
  for (const bridge::Content& member : block.members) member_lines(out, member, width, palette);
}

}  // namespace orvane::transcript

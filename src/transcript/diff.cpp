#include "transcript/diff.hpp"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "transcript/indented.hpp"
#include "transcript/line.hpp"
#include "transcript/wrap.hpp"

namespace orvane::transcript {

namespace {

// How one side of a side-by-side row is coloured.
struct Side {
  tui::Color fg;
  std::optional<tui::Color> bg;
};

struct Sides {
  Side left;
  Side right;
};

Sides sides(const std::string& kind, const render::Palette& p) {
  if (kind == "del") return {{p.text, p.removed_bg}, {p.muted, std::nullopt}};
  if (kind == "add") return {{p.muted, std::nullopt}, {p.text, p.added_bg}};
  if (kind == "change") return {{p.text, p.removed_bg}, {p.text, p.added_bg}};
  return {{p.muted, std::nullopt}, {p.muted, std::nullopt}};
}

std::size_t digits(std::uint32_t n) {
  std::size_t count = 1;
  while (n >= 10) {
    n /= 10;
    ++count;
  }
  return count;
}

std::size_t gutter_width(const std::vector<bridge::DiffRow>& rows) {
  std::uint32_t largest = 0;
  for (const bridge::DiffRow& row : rows)
    largest = std::max({largest, row.left_number, row.right_number});
  return std::max<std::size_t>(2, digits(largest));
}

tui::Style background(const std::optional<tui::Color>& bg) {
  tui::Style style;
  style.bg = bg;
  return style;
}

// The number right-aligned in `width` columns and a space, on the side's background;
// blank when the side has no line or on a continuation row.
tui::Span gutter(std::uint32_t number, std::size_t width, const Side& side,
                 const render::Palette& palette) {
  std::string text = number == 0 ? std::string() : std::to_string(number);
  text.insert(0, width - std::min(width, text.size()), ' ');
  text += ' ';
  return tui::Span(std::move(text), background(side.bg).with_fg(palette.faint));
}

void append_body(std::vector<tui::Span>& spans, Row cells, std::size_t width, const Side& side) {
  tui::Line body = line({}, std::move(cells), true, width, background(side.bg));
  std::move(body.spans.begin(), body.spans.end(), std::back_inserter(spans));
}

}  // namespace

void diff(std::vector<TranscriptLine>& out, const bridge::Content& block, std::size_t width,
          const render::Palette& palette) {
  const tui::Style muted = tui::Style().with_fg(palette.muted);
  indented(out,
           {tui::Span(block.title, muted), tui::Span(" (", muted),
            tui::Span("+" + std::to_string(block.added),
                      tui::Style().with_fg(palette.success).with_add(tui::Modifier::Bold)),
            tui::Span(", ", muted),
            tui::Span("-" + std::to_string(block.removed),
                      tui::Style().with_fg(palette.error).with_add(tui::Modifier::Bold)),
            tui::Span(")", muted)},
           2, width, block.operation);

  const std::size_t gutter_digits = gutter_width(block.diff_rows);
  const std::size_t fixed = 2 + (2 * gutter_digits + 5);
  const std::size_t side_width = std::max<std::size_t>(4, (width > fixed ? width - fixed : 0) / 2);
  const tui::Style faint = tui::Style().with_fg(palette.faint);

  for (const bridge::DiffRow& row : block.diff_rows) {
    if (row.kind == "sep") {
      out.push_back({tui::Line({tui::Span("  \u22EF", faint)}), block.operation});
      continue;
    }
    if (row.kind == "clip") {
      // Not wrapped: a long note runs past the pane edge and is clipped when drawn.
      out.push_back({tui::Line({tui::Span("  " + row.left_text, faint)}), block.operation});
      continue;
    }
    const Sides colours = sides(row.kind, palette);
    std::vector<Row> left =
        wrap({tui::Span(row.left_text, tui::Style().with_fg(colours.left.fg))}, side_width);
    std::vector<Row> right =
        wrap({tui::Span(row.right_text, tui::Style().with_fg(colours.right.fg))}, side_width);
    const std::size_t count = std::max(left.size(), right.size());
    for (std::size_t r = 0; r < count; ++r) {
      std::vector<tui::Span> spans;
      spans.emplace_back("  ");
      spans.push_back(gutter(r == 0 ? row.left_number : 0, gutter_digits, colours.left, palette));
      append_body(spans, r < left.size() ? std::move(left[r]) : Row(), side_width, colours.left);
      spans.emplace_back("\u2502", tui::Style().with_fg(palette.border));
      spans.push_back(gutter(r == 0 ? row.right_number : 0, gutter_digits, colours.right, palette));
      append_body(spans, r < right.size() ? std::move(right[r]) : Row(), side_width, colours.right);
      out.push_back({tui::Line(std::move(spans)), block.operation});
    }
  }
}

}  // namespace orvane::transcript

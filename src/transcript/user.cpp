#include "transcript/user.hpp"

#include <algorithm>
#include <string>
#include <utility>

#include "transcript/line.hpp"
#include "transcript/text_lines.hpp"
#include "transcript/wrap.hpp"
#include "unicode/width.hpp"

namespace orvane::transcript {

namespace {

constexpr const char* kHint = "Click to inspect attached context";

tui::Style on_surface(tui::Color fg, const render::Palette& palette) {
  return tui::Style().with_fg(fg).with_bg(palette.surface);
}

// The rows of one bubble, all drawn over `base` and filled to `width`.
struct Bubble {
  const render::Palette& palette;
  std::size_t width;
  tui::Style base;

  tui::Span margin() const { return tui::Span("  ", tui::Style().with_bg(palette.background)); }

  // The bar that starts every row but the first, and the chip area's indent after it.
  std::vector<tui::Span> bar(bool indent) const {
    std::vector<tui::Span> spans{margin(), tui::Span("\u2502", on_surface(palette.blue, palette)),
                                 tui::Span(" ", base)};
    if (indent) spans.emplace_back("   ", base);
    return spans;
  }

  tui::Line row(std::vector<tui::Span> prefix, Row cells) const {
    return line(std::move(prefix), std::move(cells), true, width, base);
  }
};

}  // namespace

void user(std::vector<TranscriptLine>& out, const bridge::Content& block, std::size_t width,
          const render::Palette& palette) {
  const Bubble bubble{palette, width, on_surface(palette.text, palette)};
  const std::size_t text_width = width > 6 ? width - 6 : 0;

  std::string number;
  if (block.number != 0) number = " #" + std::to_string(block.number) + " ";
  const std::size_t number_width = unicode::text_width(number);
  const std::size_t title_width =
      number.empty() ? text_width
                     : std::max<std::size_t>(
                           8, text_width > number_width + 1 ? text_width - (number_width + 1) : 0);

  std::vector<Row> title_rows = wrap({tui::Span(block.title)}, title_width);
  std::vector<tui::Span> marker{bubble.margin(), tui::Span(block.collapsed ? "\u25B8 " : "\u25BE ",
                                                           on_surface(palette.blue, palette))};
  if (number.empty()) {
    out.push_back({bubble.row(std::move(marker), std::move(title_rows[0])), block.operation});
  } else {
    // The number sits at the right edge, after the widest the title may grow.
    tui::Line first =
        line(std::move(marker), std::move(title_rows[0]), true, title_width + 4, bubble.base);
    first.spans.emplace_back(" ", bubble.base);
    first.spans.emplace_back(number, on_surface(palette.muted, palette));
    out.push_back({line(std::move(first.spans), {}, true, width, bubble.base), block.operation});
  }
  for (std::size_t i = 1; i < title_rows.size(); ++i) {
    out.push_back({bubble.row(bubble.bar(false), std::move(title_rows[i])), block.operation});
  }

  for (const std::string_view text : text_lines(block.text)) {
    for (Row& row : wrap({tui::Span(std::string(text))}, text_width)) {
      out.push_back({bubble.row(bubble.bar(false), std::move(row)), block.operation});
    }
  }

  if (block.chips.empty()) return;
  const auto& click = block.chip_operation ? block.chip_operation : block.operation;
  out.push_back({bubble.row(bubble.bar(false), {}), click});

  std::vector<tui::Span> chips;
  const tui::Style chip_style =
      tui::Style().with_fg(palette.blue).with_bg(palette.focus).with_add(tui::Modifier::Bold);
  for (const std::string& chip : block.chips) {
    if (!chips.empty()) chips.emplace_back("  ");
    chips.emplace_back(" \u25A3 " + chip + " ", chip_style);
  }
  for (Row& row : wrap(chips, text_width > 3 ? text_width - 3 : 0)) {
    out.push_back({bubble.row(bubble.bar(true), std::move(row)), click});
  }

  Row hint =
      std::move(wrap({tui::Span(kHint, tui::Style().with_fg(palette.faint))}, text_width)[0]);
  out.push_back({bubble.row(bubble.bar(true), std::move(hint)), click});
}

}  // namespace orvane::transcript

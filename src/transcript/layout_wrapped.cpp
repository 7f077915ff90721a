#include <algorithm>
#include <string>
#include <utility>

#include "transcript/layouts.hpp"
#include "transcript/line.hpp"
#include "transcript/wrap.hpp"
#include "unicode/width.hpp"

namespace orvane::transcript {

namespace {

// What `line` makes of the single row that wrapping spans narrower than the wrap
// width gives, without cutting them into cells first.
tui::Line joined(std::vector<tui::Span> prefix, std::vector<tui::Span> spans, bool fill,
                 std::size_t width, const tui::Style& base) {
  std::size_t total = 0;
  if (fill) {
    for (const tui::Span& span : prefix) total += unicode::text_width(span.content);
    for (const tui::Span& span : spans) total += unicode::text_width(span.content);
  }
  std::vector<tui::Span> merged = std::move(prefix);
  merged.reserve(merged.size() + spans.size() + 1);
  const std::size_t merged_from = merged.size();
  for (tui::Span& span : spans) {
    if (span.content.empty()) continue;
    tui::Style style = tui::patch(base, span.style);
    if (merged.size() > merged_from && merged.back().style == style) {
      merged.back().content += span.content;
    } else {
      merged.emplace_back(std::move(span.content), style);
    }
  }
  if (fill && total < width) merged.emplace_back(std::string(width - total, ' '), base);
  return tui::Line(std::move(merged));
}

// Whether wrapping the spans at `columns` keeps them on one row. No cluster is
// wider than its bytes, so short text needs no measuring.
bool one_row(const std::vector<tui::Span>& spans, std::size_t columns) {
  std::size_t bytes = 0;
  for (const tui::Span& span : spans) bytes += span.content.size();
  if (bytes <= columns) return true;
  std::size_t width = 0;
  for (const tui::Span& span : spans) {
    width += unicode::text_width(span.content);
    if (width > columns) return false;
  }
  return true;
}

}  // namespace

void append_wrapped(std::vector<TranscriptLine>& out, std::vector<tui::Span> spans,
                    std::size_t columns, std::vector<tui::Span> first,
                    const std::vector<tui::Span>& rest, const RowStyle& style,
                    const std::optional<bridge::JsonValue>& click) {
  // Most lines fit on one row, and joining their spans directly costs a fraction
  // of cutting them into cells.
  if (one_row(spans, std::max<std::size_t>(columns, 1))) {
    out.push_back(
        {joined(std::move(first), std::move(spans), style.fill, style.width, style.base), click});
    return;
  }
  std::vector<Row> rows = wrap(spans, columns);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    out.push_back({line(i == 0 ? std::move(first) : rest, std::move(rows[i]), style.fill,
                        style.width, style.base),
                   click});
  }
}

void append_indented(std::vector<TranscriptLine>& out, std::vector<tui::Span> spans,
                     std::size_t indent, std::size_t width,
                     const std::optional<bridge::JsonValue>& click) {
  const std::vector<tui::Span> prefix{tui::Span(std::string(indent, ' '))};
  append_wrapped(out, std::move(spans), width > indent + 2 ? width - indent - 2 : 0, prefix, prefix,
                 RowStyle{}, click);
}

}  // namespace orvane::transcript

#include <string>
#include <vector>

#include "transcript/layouts.hpp"
#include "transcript/text_lines.hpp"
#include "unicode/width.hpp"

namespace orvane::transcript {

// Each line is a key and its description, separated by a tab, centred; hints are
// not clickable.
void hints(std::vector<TranscriptLine>& out, const bridge::Content& block, std::size_t width,
           const render::Palette& palette) {
  for (const std::string_view text : text_lines(block.text)) {
    const std::size_t tab = text.find('\t');
    const std::string_view key =
        tab == std::string_view::npos ? std::string_view() : text.substr(0, tab);
    const std::string_view description =
        tab == std::string_view::npos ? text : text.substr(tab + 1);
    const std::size_t used = unicode::text_width(key) + unicode::text_width(description) + 2;
    const std::size_t pad = width > used ? (width - used) / 2 : 0;
    out.push_back(
        {tui::Line({tui::Span(std::string(pad, ' ')),
                    tui::Span(std::string(key),
                              tui::Style().with_fg(palette.muted).with_add(tui::Modifier::Bold)),
                    tui::Span("  "),
                    tui::Span(std::string(description), tui::Style().with_fg(palette.faint))}),
         std::nullopt});
  }
}

}  // namespace orvane::transcript

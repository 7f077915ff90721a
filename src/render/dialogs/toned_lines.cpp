#include "render/dialogs/toned_lines.hpp"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "transcript/line.hpp"
#include "transcript/wrap.hpp"
#include "unicode/properties.hpp"

namespace orvane::render::dialogs {

namespace {

std::vector<tui::Span> toned_spans(std::string_view text, std::string_view tone,
                                   const Palette& palette) {
  const auto in = [&](const tui::Color& color) { return tui::Style{}.with_fg(color); };
  const auto one = [&](tui::Style style) {
    return std::vector<tui::Span>{tui::Span(std::string(text), style)};
  };
  if (tone == "ok" || tone == "add") return one(in(palette.success));
  if (tone == "del" || tone == "bad" || tone == "critical") return one(in(palette.error));
  if (tone == "warn") return one(in(palette.warning));
  if (tone == "hunk") return one(in(palette.purple));
  if (tone == "title" || tone == "header")
    return one(in(palette.text).with_add(tui::Modifier::Bold));
  if (tone == "label" || tone == "dim" || tone == "unknown") return one(in(palette.faint));
  if (tone == "kv") {
    const std::size_t colon = text.find(": ");
    if (colon == std::string_view::npos) return one(in(palette.text));
    return {tui::Span(std::string(text.substr(0, colon + 2)), in(palette.faint)),
            tui::Span(std::string(text.substr(colon + 2)), in(palette.text))};
  }
  return one(in(palette.muted));
}

}  // namespace

std::vector<tui::Line> toned_lines(const std::vector<std::string>& lines,
                                   const std::vector<std::string>& tones, std::uint16_t width,
                                   const Palette& palette) {
  std::vector<tui::Line> out;
  const std::size_t count = std::min(lines.size(), tones.size());
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view text = lines[i];
    const std::size_t stripped = unicode::leading_white_space(text);
    const std::size_t indent = std::min<std::size_t>(stripped, width / 2);
    const long room = long{width} - static_cast<long>(indent + 2);
    auto rows = transcript::wrap(toned_spans(text.substr(stripped), tones[i], palette),
                                 static_cast<std::size_t>(std::max(room, 4L)));
    for (std::size_t r = 0; r < rows.size(); ++r) {
      std::string prefix(r == 0 ? indent : indent + 2, ' ');
      out.push_back(transcript::line({tui::Span(std::move(prefix))}, std::move(rows[r]), false, 0,
                                     tui::Style{}));
    }
  }
  return out;
}

}  // namespace orvane::render::dialogs

#include "transcript/truncate.hpp"

#include "unicode/grapheme.hpp"
#include "unicode/width.hpp"

namespace orvane::transcript {

std::string truncate(std::string_view text, std::size_t max) {
  std::size_t running = 0;
  std::size_t cut = std::string_view::npos;
  const unicode::Graphemes graphemes(text);
  for (auto it = graphemes.begin(); it != graphemes.end(); ++it) {
    const std::size_t width = unicode::cluster_width(*it);
    if (cut == std::string_view::npos && running + width + 1 > max) cut = it.offset();
    running += width;
    if (running > max) {
      std::string out(text.substr(0, cut));
      out += "\u2026";
      return out;
    }
  }
  return std::string(text);
}

}  // namespace orvane::transcript

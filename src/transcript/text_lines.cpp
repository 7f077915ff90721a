#include "transcript/text_lines.hpp"

namespace orvane::transcript {

std::vector<std::string_view> text_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t feed = text.find('\n');
    std::string_view line = text.substr(0, feed);
    if (feed != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    text.remove_prefix(feed == std::string_view::npos ? text.size() : feed + 1);
  }
  return lines;
}

}  // namespace orvane::transcript

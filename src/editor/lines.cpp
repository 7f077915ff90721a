#include "editor/lines.hpp"

namespace orvane::editor {

std::size_t line_start(std::string_view text, std::size_t offset) {
  if (offset == 0) return 0;
  const std::size_t newline = text.rfind('\n', offset - 1);
  return newline == std::string_view::npos ? 0 : newline + 1;
}

std::size_t line_end(std::string_view text, std::size_t offset) {
  const std::size_t newline = text.find('\n', offset);
  if (newline == std::string_view::npos) return text.size();
  if (newline > offset && text[newline - 1] == '\r') return newline - 1;
  return newline;
}

}  // namespace orvane::editor

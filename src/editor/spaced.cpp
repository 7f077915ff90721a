#include "editor/spaced.hpp"

#include "unicode/properties.hpp"
#include "unicode/utf8.hpp"

namespace orvane::editor {

namespace {

bool white_space_at(std::string_view text, std::size_t offset) {
  return unicode::is_white_space(unicode::decode(text, offset).code_point);
}

}  // namespace

std::string spaced(std::string_view text, std::size_t at, std::string_view words) {
  std::string out;
  if (at > 0 && !white_space_at(text, unicode::code_point_start(text, at))) out += ' ';
  out += words;
  if (at < text.size() && !white_space_at(text, at)) out += ' ';
  return out;
}

}  // namespace orvane::editor

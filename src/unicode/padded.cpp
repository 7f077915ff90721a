#include "unicode/padded.hpp"

#include "unicode/width.hpp"

namespace orvane::unicode {

std::string padded(std::string_view text, std::size_t width) {
  std::string out(text);
  const std::size_t used = text_width(text);
  if (used < width) out.append(width - used, ' ');
  return out;
}

}  // namespace orvane::unicode

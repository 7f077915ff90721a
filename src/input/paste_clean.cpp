#include "input/paste_clean.hpp"

#include "unicode/properties.hpp"
#include "unicode/utf8.hpp"

namespace orvane::input {

std::string cleaned_paste(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const unicode::Decoded d = unicode::decode(text, i);
    const bool kept =
        d.code_point == U'\t' || d.code_point == U'\n' || !unicode::is_control(d.code_point);
    // Re-encoding turns a stray invalid byte into U+FFFD instead of passing it on.
    if (kept) unicode::append_utf8(out, d.code_point);
    i += d.length;
  }
  return out;
}

}  // namespace orvane::input

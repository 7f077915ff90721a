#include "render/chrome/status_glyph.hpp"

#include "render/spinner.hpp"

namespace orvane::render::chrome {

StatusGlyph status_glyph(std::string_view status, const Palette& palette, std::uint64_t tick) {
  if (status == "done") return {"\u2713", palette.success};
  if (status == "input") return {"\u25CF", palette.warning};
  if (status == "working") return {spinner_frame(tick), palette.accent};
  return {"\u00B7", palette.faint};
}

}  // namespace orvane::render::chrome

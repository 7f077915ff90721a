#include "render/chrome/status_glyph.hpp"

#include <gtest/gtest.h>

#include <string>

#include "support/line_text.hpp"

namespace orvane::render::chrome {
namespace {

TEST(StatusGlyph, GlyphAndColourPerStatus) {
  const Palette palette = Palette::make(true);
  const test::ColorNames names = test::color_names(palette);
  struct Case {
    const char* status;
    std::uint64_t tick;
    const char* text;
    const char* color;
  };
  const Case cases[] = {
      {"done", 0, "\u2713", "success"},
      {"input", 0, "\u25CF", "warning"},
      {"working", 0, "\u280B", "accent"},
      {"working", 13, "\u2838", "accent"},
      {"idle", 0, "\u00B7", "faint"},
      {"", 0, "\u00B7", "faint"},
      // Exact words only: the breadcrumb's other busy and waiting words do not count here.
      {"running", 0, "\u00B7", "faint"},
      {"awaiting_input", 0, "\u00B7", "faint"},
      {"Done", 0, "\u00B7", "faint"},
  };
  for (const Case& c : cases) {
    const StatusGlyph glyph = status_glyph(c.status, palette, c.tick);
    EXPECT_EQ(glyph.text, c.text) << c.status;
    EXPECT_EQ(test::color_text(glyph.color, names), c.color) << c.status;
  }
}

}  // namespace
}  // namespace orvane::render::chrome

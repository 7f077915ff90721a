#include "render/dialogs/dialog_frame.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/dialogs/cell_text.hpp"
#include "support/buffer_rows.hpp"
#include "tui/buffer.hpp"

namespace orvane::render::dialogs {
namespace {

using Rows = std::vector<std::string>;

const Palette kPalette = Palette::make(false);

// A screen of `width` × `height` "x" cells, so that what the frame clears and what it
// leaves alone both show.
tui::Buffer screen(std::uint16_t width, std::uint16_t height) {
  tui::Buffer buffer(tui::Rect{0, 0, width, height});
  for (std::uint16_t y = 0; y < height; ++y) buffer.set_string(0, y, std::string(width, 'x'), {});
  return buffer;
}

TEST(DialogFrame, ContentRectangleLeavesRoomForTheHeader) {
  struct Case {
    const char* name;
    tui::Rect area;
    bool compact;
    tui::Rect expected;
  };
  const Case cases[] = {
      {"framed", {3, 1, 20, 10}, false, {5, 5, 16, 5}},
      {"compact", {3, 1, 20, 10}, true, {5, 3, 16, 8}},
      {"narrower than four columns", {0, 0, 3, 10}, false, {2, 4, 0, 5}},
      {"compact and one column wide", {4, 0, 1, 10}, true, {5, 2, 0, 8}},
      {"three rows", {0, 0, 20, 3}, false, {2, 3, 16, 0}},
      {"compact, one row", {0, 0, 20, 1}, true, {2, 1, 16, 0}},
      {"empty", {0, 0, 0, 0}, false, {2, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    tui::Buffer buffer(tui::Rect{0, 0, 30, 12});
    tui::Frame frame{buffer, buffer.area(), {}};
    EXPECT_EQ(dialog_frame(frame, c.area, "T", kPalette, c.compact), c.expected) << c.name;
  }
}

TEST(DialogFrame, DrawsBoxTitleAndRuleOverWhatWasBeneath) {
  struct Case {
    const char* name;
    tui::Rect area;
    bool compact;
    Rows rows;
  };
  const Case cases[] = {
      {"framed",
       {1, 1, 12, 6},
       false,
       {"xxxxxxxxxxxxxx",
        "x\u250c\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2510x",
        "x\u2502 Models   \u2502x",
        "x\u2502 \u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500 \u2502x",
        "x\u2502          \u2502x", "x\u2502          \u2502x",
        "x\u2514\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2518x",
        "xxxxxxxxxxxxxx"}},
      {"compact",
       {1, 1, 12, 4},
       true,
       {"xxxxxxxxxxxxxx", "x            x", "x  Models    x", "x            x", "x            x",
        "xxxxxxxxxxxxxx", "xxxxxxxxxxxxxx", "xxxxxxxxxxxxxx"}},
      {"title cut at the inner width",
       {0, 0, 8, 4},
       true,
       {"        xxxxxx", "  Mode  xxxxxx", "        xxxxxx", "        xxxxxx", "xxxxxxxxxxxxxx",
        "xxxxxxxxxxxxxx", "xxxxxxxxxxxxxx", "xxxxxxxxxxxxxx"}},
      // The header must not spill onto the row under a box too low to hold it.
      {"two rows",
       {1, 1, 12, 2},
       false,
       {"xxxxxxxxxxxxxx",
        "x\u250c\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2510x",
        "x\u2514\u2500Models\u2500\u2500\u2500\u2518x", "xxxxxxxxxxxxxx", "xxxxxxxxxxxxxx",
        "xxxxxxxxxxxxxx", "xxxxxxxxxxxxxx", "xxxxxxxxxxxxxx"}},
  };
  for (const auto& c : cases) {
    tui::Buffer buffer = screen(14, 8);
    tui::Frame frame{buffer, buffer.area(), {}};
    dialog_frame(frame, c.area, "Models", kPalette, c.compact);
    EXPECT_EQ(test::buffer_rows(buffer), c.rows) << c.name;
  }
}

// `popup` and `background` hold the same colour, so the names print the background.
TEST(DialogFrame, ColoursTitleRuleAndBorder) {
  for (const bool light : {false, true}) {
    const Palette palette = Palette::make(light);
    tui::Buffer buffer = screen(14, 8);
    tui::Frame frame{buffer, buffer.area(), {}};
    dialog_frame(frame, {1, 1, 12, 6}, "Models", palette, false);
    EXPECT_EQ(test::cell_text(buffer, 1, 1, palette), "fg=rule bg=background") << light;
    EXPECT_EQ(test::cell_text(buffer, 3, 2, palette), "bold fg=accent bg=background") << light;
    EXPECT_EQ(test::cell_text(buffer, 3, 3, palette), "fg=rule bg=background") << light;
    EXPECT_EQ(test::cell_text(buffer, 4, 4, palette), "fg=text bg=background") << light;
  }
}

}  // namespace
}  // namespace orvane::render::dialogs

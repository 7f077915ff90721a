#include "render/dialogs/form.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/dialogs/cell_text.hpp"
#include "support/buffer_rows.hpp"
#include "tui/buffer.hpp"
#include "unicode/width.hpp"

namespace orvane::render::dialogs {
namespace {

using Rows = std::vector<std::string>;

const Palette kPalette = Palette::make(false);

// `text` padded with spaces to the 20 columns of the screen.
std::string row(std::string text) {
  return text + std::string(20 - unicode::text_width(text), ' ');
}

tui::Buffer draw(const bridge::Form& form, const std::string& text, tui::Rect area) {
  tui::Buffer buffer(tui::Rect{0, 0, 20, 6});
  tui::Frame frame{buffer, buffer.area(), {}};
  editor::Editor editor;
  editor.text = text;
  editor.cursor = text.size();
  draw_form(frame, area, form, editor, kPalette);
  return buffer;
}

TEST(Form, BodyStatusAndKeyHints) {
  struct Case {
    const char* name;
    bridge::Form form;
    std::string text;
    Rows rows;
  };
  const Case cases[] = {
      {"plain text",
       {"f", "", false, false, "Saved", 0},
       "key=1\nname",
       {row(""), row(" key=1"), row(" name\u258f"), row(""), row(" Saved"),
        " Ctrl+S save \u00b7 Ctrl+"}},
      {"secret",
       {"f", "", true, false, "", 0},
       "p\u00e4ss",
       {row(""), row(" \u2022\u2022\u2022\u2022\u258f"), row(""), row(""), row(""),
        " Ctrl+S save \u00b7 Ctrl+"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(test::buffer_rows(draw(c.form, c.text, {1, 1, 19, 5})), c.rows) << c.name;
  }
}

TEST(Form, Colours) {
  const tui::Buffer buffer = draw({"f", "", false, false, "Saved", 0}, "abc", {1, 1, 19, 5});
  EXPECT_EQ(test::cell_text(buffer, 1, 1, kPalette), "fg=text bg=background");
  EXPECT_EQ(test::cell_text(buffer, 10, 2, kPalette), "fg=reset bg=background");
  EXPECT_EQ(test::cell_text(buffer, 1, 4, kPalette), "fg=accent bg=background");
  EXPECT_EQ(test::cell_text(buffer, 1, 5, kPalette), "fg=accent bg=background");
}

TEST(Form, TooLowForItsFooterKeepsTheText) {
  const Rows rows =
      test::buffer_rows(draw({"f", "", false, false, "Saved", 0}, "abc", {0, 0, 20, 1}));
  EXPECT_EQ(rows[0], row("abc\u258f"));
  EXPECT_EQ(rows[1], row(""));
}

}  // namespace
}  // namespace orvane::render::dialogs

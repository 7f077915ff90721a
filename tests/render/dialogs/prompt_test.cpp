#include "render/dialogs/prompt.hpp"

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

bridge::Prompt permission() {
  bridge::Prompt p;
  p.kind = "permission";
  p.id = "p1";
  p.lines = {"Run ls?", "in /tmp"};
  p.choices = {
      {"Yes", "yes", "y", false}, {"No", "no", "n", true}, {"Always", "always", "a", false}};
  return p;
}

bridge::Prompt question() {
  bridge::Prompt p;
  p.kind = "question";
  p.id = "q1";
  p.lines = {"Name?"};
  p.choices = {{"Default", "default", "1", false}};
  return p;
}

editor::Editor answer(std::string text, std::size_t cursor) {
  editor::Editor editor;
  editor.text = std::move(text);
  editor.cursor = cursor;
  return editor;
}

// The prompt drawn over a transcript that fills a `width` × `height` screen.
tui::Buffer draw(const bridge::Prompt& prompt, std::uint16_t width, std::uint16_t height,
                 std::size_t selection = 0, std::size_t scroll = 0,
                 const editor::Editor& typed = editor::Editor{}) {
  tui::Buffer buffer(tui::Rect{0, 0, width, height});
  tui::Frame frame{buffer, buffer.area(), {}};
  draw_prompt(frame, buffer.area(), prompt, selection, scroll, typed, kPalette);
  return buffer;
}

// `text` padded with spaces to `width` columns.
std::string row(std::string text, std::size_t width = 30) {
  return text + std::string(width - unicode::text_width(text), ' ');
}

TEST(Prompt, PermissionShowsTitleBodyChoicesAndHint) {
  const Rows expected = {
      row(""),
      row(""),
      row("  Permission requested"),
      row("  Run ls?"),
      row("  in /tmp"),
      row("   \u25b8 [y] Yes"),
      row("     [n] No (unavailable)"),
      row("     [a] Always"),
      row("   \u2191/\u2193 choose \u00b7 Enter select"),
      row(""),
  };
  EXPECT_EQ(test::buffer_rows(draw(permission(), 30, 10)), expected);
}

TEST(Prompt, ChoiceStylesFollowSelectionAndAvailability) {
  struct Case {
    const char* name;
    std::size_t selection;
    std::uint16_t y;
    std::string text;
    std::string style;
  };
  const Case cases[] = {
      {"selected", 0, 5, row("   \u25b8 [y] Yes"), "bold fg=text bg=focus"},
      {"not selected", 1, 5, row("     [y] Yes"), "fg=muted bg=surface"},
      {"disabled", 0, 6, row("     [n] No (unavailable)"), "fg=faint bg=surface"},
      {"disabled and selected", 1, 6, row("   \u25b8 [n] No (unavailable)"), "fg=faint bg=surface"},
  };
  for (const auto& c : cases) {
    const tui::Buffer buffer = draw(permission(), 30, 10, c.selection);
    EXPECT_EQ(test::buffer_rows(buffer)[c.y], c.text) << c.name;
    // The style runs from the first cell of the choice area to its last.
    EXPECT_EQ(test::cell_text(buffer, 2, c.y, kPalette), c.style) << c.name;
    EXPECT_EQ(test::cell_text(buffer, 27, c.y, kPalette), c.style) << c.name;
  }
}

TEST(Prompt, BoxColours) {
  const tui::Buffer buffer = draw(permission(), 30, 10);
  struct Case {
    const char* name;
    std::uint16_t x, y;
    std::string style;
  };
  const Case cases[] = {
      {"box edge", 0, 2, "fg=text bg=surface"},
      {"title", 2, 2, "bold fg=accent bg=surface"},
      {"body", 2, 3, "fg=text bg=surface"},
      {"hint", 4, 8, "fg=faint bg=surface"},
      {"last choice-area row", 10, 9, "fg=text bg=surface"},
      {"above the box", 0, 1, "fg=reset bg=reset"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(test::cell_text(buffer, c.x, c.y, kPalette), c.style) << c.name;
}

TEST(Prompt, QuestionShowsTheAnswerWithItsCursor) {
  const Rows expected = {
      row("", 40),
      row("", 40),
      row("  Question", 40),
      row("  Name?", 40),
      row("", 40),
      row("   \u25b8 [1] Default", 40),
      row("   Answer a\u258fbc   Enter submit", 40),
      row("   \u2191/\u2193 choose \u00b7 Enter select \u00b7 keys pi", 40),
  };
  const tui::Buffer buffer = draw(question(), 40, 8, 0, 0, answer("abc", 1));
  EXPECT_EQ(test::buffer_rows(buffer), expected);
  EXPECT_EQ(test::cell_text(buffer, 3, 6, kPalette), "fg=faint bg=surface");
  EXPECT_EQ(test::cell_text(buffer, 10, 6, kPalette), "fg=text bg=surface");
  EXPECT_EQ(test::cell_text(buffer, 11, 6, kPalette), "fg=accent bg=surface");
  EXPECT_EQ(test::cell_text(buffer, 20, 6, kPalette), "fg=faint bg=surface");
}

TEST(Prompt, LongAnswerKeepsTheCursorAndHintInView) {
  const tui::Buffer buffer =
      draw(question(), 40, 8, 0, 0, answer("abcdefghijklmnopqrstuvwxyz", 20));
  EXPECT_EQ(test::buffer_rows(buffer)[6], row("   Answer nopqrst\u258fuvwxy   Enter submit", 40));
}

TEST(Prompt, BodyScrollsByThePanelScrollOffset) {
  bridge::Prompt prompt = permission();
  prompt.lines = {"# Heading", "line 1", "line 2", "line 3",
                  "line 4",    "line 5", "line 6", "line 7"};
  prompt.choices.resize(1);
  // 12 rows: the box takes the last 10, six of them for the body.
  struct Case {
    std::size_t scroll;
    Rows body;
  };
  const Case cases[] = {
      {0, {"  # Heading", "  line 1", "  line 2", "  line 3", "  line 4", "  line 5"}},
      {2, {"  line 2", "  line 3", "  line 4", "  line 5", "  line 6", "  line 7"}},
      {5, {"  line 5", "  line 6", "  line 7", "", "", ""}},
      {100, {"", "", "", "", "", ""}},
  };
  for (const auto& c : cases) {
    const Rows rows = test::buffer_rows(draw(prompt, 30, 12, 0, c.scroll));
    Rows body(rows.begin() + 3, rows.begin() + 9);
    Rows expected;
    for (const std::string& line : c.body) expected.push_back(row(line));
    EXPECT_EQ(body, expected) << c.scroll;
    EXPECT_EQ(rows[9], row("   \u25b8 [y] Yes")) << c.scroll;
  }
  const tui::Buffer top = draw(prompt, 30, 12);
  EXPECT_EQ(test::cell_text(top, 2, 3, kPalette), "bold fg=accent bg=surface");
}

TEST(Prompt, LongBodyLinesWrapAtTheBodyWidth) {
  bridge::Prompt prompt = permission();
  prompt.lines = {"abcdefghijklmnopqrstuvwxyz0123", "end"};
  prompt.choices.resize(1);
  // The body has a row per text line; what wrapping adds is reached by scrolling.
  const Rows rows = test::buffer_rows(draw(prompt, 30, 8));
  EXPECT_EQ(rows[3], row("  abcdefghijklmnopqrstuvwxyz"));
  EXPECT_EQ(rows[4], row("  0123"));
  EXPECT_EQ(rows[5], row("   \u25b8 [y] Yes"));
}

TEST(Prompt, TinyTranscriptsDrawOnlyInsideTheBox) {
  const tui::Rect transcripts[] = {{0, 0, 0, 0}, {1, 2, 8, 0},  {2, 1, 3, 1},
                                   {1, 0, 1, 6}, {0, 3, 10, 2}, {4, 5, 6, 1}};
  for (const tui::Rect& transcript : transcripts) {
    bridge::Prompt prompt = question();
    prompt.lines.assign(12, "a long line of text");
    prompt.choices.assign(6, {"Choice", "c", "c", false});
    tui::Buffer buffer(tui::Rect{0, 0, 10, 6});
    for (std::uint16_t y = 0; y < 6; ++y) buffer.set_string(0, y, "xxxxxxxxxx", {});
    tui::Frame frame{buffer, buffer.area(), {}};
    draw_prompt(frame, transcript, prompt, 3, 7, answer("typed", 5), kPalette);
    for (std::uint16_t y = 0; y < 6; ++y) {
      for (std::uint16_t x = 0; x < 10; ++x) {
        if (transcript.contains(x, y)) continue;
        EXPECT_EQ(buffer.at(x, y).shown(), "x")
            << x << "," << y << " outside " << transcript.width << "x" << transcript.height;
      }
    }
  }
}

TEST(Prompt, ControlCharactersNeverReachTheScreen) {
  bridge::Prompt prompt = question();
  prompt.kind = "permission\x1b[2J";
  prompt.lines = {"rm \x1b]52;c;AAAA\x07 -rf\r",
                  "\x9b"
                  "31m"};
  prompt.choices = {{"Yes\x1b[31m", "y", "\x1b", false}};
  const tui::Buffer buffer = draw(prompt, 40, 8, 0, 0,
                                  answer("a\x1b"
                                         "b",
                                         3));
  for (const tui::Cell& cell : buffer.content()) {
    for (const unsigned char byte : cell.symbol) {
      EXPECT_TRUE(byte >= 0x20 && byte != 0x7f) << "control byte " << int{byte};
    }
    EXPECT_NE(cell.symbol, "\u009b");
  }
}

}  // namespace
}  // namespace orvane::render::dialogs

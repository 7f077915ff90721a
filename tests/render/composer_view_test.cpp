#include "render/composer_view.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/buffer_rows.hpp"
#include "support/line_text.hpp"

namespace orvane::render {
namespace {

using Rows = std::vector<std::string>;

const Palette kPalette = Palette::make(false);

// A screen one row taller than the composer above and below it; those two rows are filled
// with dots, so anything drawn outside the composer shows.
class ComposerViewTest : public testing::Test {
 protected:
  ComposerViewTest() {
    snapshot.agent = "build";
    snapshot.model = "m";
  }

  Rows draw(std::uint16_t width, std::uint16_t height) {
    buffer = tui::Buffer({0, 0, width, static_cast<std::uint16_t>(height + 2)});
    const std::string dots(width, '.');
    buffer.set_string(0, 0, dots, {});
    buffer.set_string(0, static_cast<std::uint16_t>(height + 1), dots, {});
    draw_composer(buffer, {0, 1, width, height}, snapshot, editor, kPalette, voice_anchor, reveal,
                  clock);
    return test::buffer_rows(buffer);
  }

  // "fg=… bg=…" of one cell, in palette role names.
  std::string style_at(std::uint16_t x, std::uint16_t y) const {
    const test::ColorNames names = test::color_names(kPalette);
    const tui::Cell& cell = buffer.at(x, y);
    std::string out =
        "fg=" + test::color_text(cell.fg, names) + " bg=" + test::color_text(cell.bg, names);
    if (tui::contains(cell.modifiers, tui::Modifier::Bold)) out += " bold";
    return out;
  }

  std::string row_text(std::uint16_t y) const { return test::buffer_rows(buffer).at(y); }

  void type(std::string text) {
    editor.text = std::move(text);
    editor.cursor = editor.text.size();
  }

  bridge::Snapshot snapshot;
  editor::Editor editor;
  std::optional<std::size_t> voice_anchor;
  VoiceReveal reveal;
  ComposerClock clock;
  tui::Buffer buffer;
};

const std::string kRule36 = [] {
  std::string rule;
  for (int i = 0; i < 36; ++i) rule += "\u2500";
  return rule;
}();

TEST_F(ComposerViewTest, EmptyComposerShowsThePlaceholder) {
  const Rows want = {
      "........................................",
      "                                        ",
      "  \u2502                                     ",
      "  \u2502  Type a message\u2026                    ",
      "  \u2502                                     ",
      "  \u2502                                     ",
      "  \u2502  Build \u00B7 m           unavailable    ",
      "  " + kRule36 + "  ",
      "........................................",
  };
  EXPECT_EQ(draw(40, 7), want);
  EXPECT_EQ(style_at(5, 3), "fg=faint bg=surface") << "placeholder";
  EXPECT_EQ(style_at(2, 2), "fg=blue bg=surface") << "bar in the default agent colour";
  EXPECT_EQ(style_at(2, 6), "fg=blue bg=surface") << "bar runs down the control row";
  EXPECT_EQ(style_at(37, 2), "fg=reset bg=surface") << "box";
  EXPECT_EQ(style_at(38, 2), "fg=reset bg=reset") << "outside the box";
  EXPECT_EQ(style_at(1, 6), "fg=reset bg=reset") << "outside the box";
  EXPECT_EQ(style_at(5, 6), "fg=blue bg=surface bold") << "agent control";
  EXPECT_EQ(style_at(11, 6), "fg=faint bg=surface") << "separator";
  EXPECT_EQ(style_at(13, 6), "fg=muted bg=surface") << "model control";
  EXPECT_EQ(style_at(25, 6), "fg=muted bg=surface") << "status";
  EXPECT_EQ(style_at(2, 7), "fg=rule bg=reset") << "resting activity bar";
  EXPECT_EQ(style_at(37, 7), "fg=rule bg=reset") << "resting activity bar";
}

TEST_F(ComposerViewTest, TextWithCursorAndSelection) {
  type("hello");
  editor.anchor = 1;
  editor.cursor = 3;
  draw(40, 7);
  EXPECT_EQ(row_text(3), "  \u2502  hel\u258Flo                             ");
  EXPECT_EQ(style_at(5, 3), "fg=text bg=surface");
  EXPECT_EQ(style_at(6, 3), "fg=background bg=accent") << "selected";
  EXPECT_EQ(style_at(8, 3), "fg=accent bg=surface") << "cursor glyph";
  EXPECT_EQ(style_at(20, 3), "fg=reset bg=surface") << "rest of the text area";
}

TEST_F(ComposerViewTest, TallTextScrollsToTheCursor) {
  type("one\ntwo\nthree\nfour\nfive");
  const Rows want = {
      "........................................",
      "                                        ",
      "  \u2502                                     ",
      "  \u2502  three                              ",
      "  \u2502  four                               ",
      "  \u2502  five\u258F                              ",
      "  \u2502  Build \u00B7 m           unavailable    ",
      "  " + kRule36 + "  ",
      "........................................",
  };
  EXPECT_EQ(draw(40, 7), want);
}

TEST_F(ComposerViewTest, TallerComposerShowsQueueAttachmentsAndMoreText) {
  type("one\ntwo\nthree\nfour\nfive");
  snapshot.queue_lines = {"first queued", "second"};
  snapshot.attachment_lines = {"a.png", "b.txt"};
  const Rows want = {
      "........................................",
      "  first queued                          ",
      "  second                                ",
      "  a.png \u00B7 b.txt                         ",
      "  \u2502                                     ",
      "  \u2502  one                                ",
      "  \u2502  two                                ",
      "  \u2502  three                              ",
      "  \u2502  four                               ",
      "  \u2502  five\u258F                              ",
      "  \u2502  Build \u00B7 m           unavailable    ",
      "  " + kRule36 + "  ",
      "........................................",
  };
  EXPECT_EQ(draw(40, 11), want);
  EXPECT_EQ(style_at(2, 1), "fg=faint bg=reset") << "queued message";
  EXPECT_EQ(style_at(2, 3), "fg=accent bg=reset") << "attachment line";
}

TEST_F(ComposerViewTest, QueueShowsAtMostFourMessages) {
  snapshot.queue_lines = {"q1", "q2", "q3", "q4", "q5", "q6"};
  snapshot.attachment_lines = {"file"};
  draw(40, 12);
  EXPECT_EQ(row_text(1), "  q1                                    ");
  EXPECT_EQ(row_text(4), "  q4                                    ");
  EXPECT_EQ(row_text(5), "  file                                  ");
  EXPECT_EQ(row_text(6), "  \u2502                                     ");
}

TEST_F(ComposerViewTest, SubAgentPageShowsOnlyTheBanner) {
  type("ignored");
  snapshot.queue_lines = {"ignored"};
  const Rows want = {
      "........................................",
      "                                        ",
      "  Sub agent \u00B7 read-only \u00B7 Esc or \u2191 ret  ",
      "                                        ",
      "........................................",
  };
  snapshot.agent_page = "task-1";
  EXPECT_EQ(draw(40, 3), want);
  EXPECT_EQ(style_at(0, 1), "fg=muted bg=surface");
  EXPECT_EQ(style_at(2, 2), "fg=muted bg=surface");
  EXPECT_EQ(style_at(39, 3), "fg=muted bg=surface");
}

TEST_F(ComposerViewTest, AgentColourTintsBarControlAndMeter) {
  snapshot.context_label = "25%";
  snapshot.context_window = 200000;
  snapshot.context_used = 50000;
  struct Case {
    std::string token;
    std::string want;
  };
  for (const Case& c : std::vector<Case>{
           {"", "blue"}, {"$ov-purple", "purple"}, {"#ff0000", "#ff0000"}, {"red", "blue"}}) {
    snapshot.agent_color = c.token;
    draw(40, 7);
    EXPECT_EQ(style_at(2, 4), "fg=" + c.want + " bg=surface") << c.token;
    EXPECT_EQ(style_at(5, 6), "fg=" + c.want + " bg=surface bold") << c.token;
  }
  // "Build · m", the gap, the meter from column 21, "25%" ending at column 35.
  EXPECT_EQ(row_text(6),
            "  \u2502  Build \u00B7 m       "
            "\u2571\u2571\u2571\u2571\u2571\u2571\u2571\u2571\u2571\u2571  25%    ");
  for (std::uint16_t x = 21; x < 31; ++x) {
    EXPECT_EQ(style_at(x, 6), x < 24 ? "fg=blue bg=surface" : "fg=rule bg=surface")
        << "meter cell " << x;
  }
}

TEST_F(ComposerViewTest, ControlRowDegradesAsTheComposerNarrows) {
  snapshot.model = "sonnet";
  snapshot.provider = "anthropic";
  snapshot.effort = "high";
  snapshot.context_label = "12% \u00B7 24k";
  snapshot.context_window = 1000;
  struct Case {
    std::uint16_t width;
    std::string row;
  };
  // The control row is the composer width less 9, from column 5. Each width is the
  // narrowest at which a step still fits, or the first at which the next thing is gone.
  const std::string meter = "\u2571\u2571\u2571\u2571\u2571\u2571\u2571\u2571\u2571\u2571";
  const std::vector<Case> cases = {
      {63, "Build \u00B7 sonnet anthropic \u00B7 high  " + meter + "  12% \u00B7 24k"},
      {62, "Build \u00B7 sonnet \u00B7 high           " + meter + "  12% \u00B7 24k"},
      {53, "Build \u00B7 sonnet \u00B7 high  " + meter + "  12% \u00B7 24k"},
      {52, "Build \u00B7 sonnet        " + meter + "  12% \u00B7 24k"},
      {46, "Build \u00B7 sonnet  " + meter + "  12% \u00B7 24k"},
      {45, "Build \u00B7 sonnet             12% \u00B7 24k"},
      {34, "Build \u00B7 sonnet  12% \u00B7 24k"},
      {33, "Build \u00B7 sonnet       12%"},
      {28, "Build \u00B7 sonnet  12%"},
      {27, "Build \u00B7 sonn\u2026  12%"},
  };
  for (const Case& c : cases) {
    draw(c.width, 7);
    std::string inner;
    for (std::uint16_t x = 5; x + 4 < c.width; ++x) inner += buffer.at(x, 6).shown();
    while (!inner.empty() && inner.back() == ' ') inner.pop_back();
    EXPECT_EQ(inner, c.row) << "composer width " << c.width << ": " << row_text(6);
  }
}

TEST_F(ComposerViewTest, BusyActivityBarLightsASweepingSegment) {
  snapshot.status = "working";
  clock.fast_tick = 0;
  draw(40, 7);
  // 36 columns: a segment of 7 at the left end.
  EXPECT_EQ(style_at(2, 7), "fg=blue bg=reset");
  EXPECT_EQ(style_at(8, 7), "fg=blue bg=reset");
  EXPECT_EQ(style_at(9, 7), "fg=rule bg=reset");
  clock.fast_tick = 90;
  draw(40, 7);
  EXPECT_EQ(style_at(30, 7), "fg=rule bg=reset");
  EXPECT_EQ(style_at(31, 7), "fg=blue bg=reset");
  EXPECT_EQ(style_at(37, 7), "fg=blue bg=reset");
  snapshot.status = "idle";
  draw(40, 7);
  EXPECT_EQ(style_at(31, 7), "fg=rule bg=reset");
}

TEST_F(ComposerViewTest, VoicePreviewIsSplicedAtTheCursor) {
  type("helloworld");
  editor.cursor = 5;
  snapshot.voice_preview = "there";
  reveal = {"there", 0, 0};
  clock.slow_tick = 10;
  for (const char* phase : {"recording", "transcribing"}) {
    snapshot.voice_phase = phase;
    draw(40, 7);
    EXPECT_EQ(row_text(3), "  \u2502  hello there \u258Fworld                 ") << phase;
  }
  EXPECT_EQ(reveal.preview_tick, 0u) << "an unchanged preview keeps its age";
  EXPECT_EQ(editor.text, "helloworld");

  snapshot.voice_phase = "";
  draw(40, 7);
  EXPECT_EQ(row_text(3), "  \u2502  hello\u258Fworld                        ");
}

TEST_F(ComposerViewTest, NewVoicePreviewFlickersAndIsRemembered) {
  snapshot.voice_phase = "recording";
  snapshot.voice_preview = "there";
  clock.slow_tick = 10;
  draw(40, 7);
  EXPECT_EQ(row_text(3), "  \u2502  txorw\u258F                             ");
  EXPECT_EQ(reveal.last_preview, "there");
  EXPECT_EQ(reveal.preview_tick, 10u);
  clock.slow_tick = 13;
  draw(40, 7);
  EXPECT_EQ(row_text(3), "  \u2502  there\u258F                             ");
}

TEST_F(ComposerViewTest, VoiceAnchorWinsOverTheCursor) {
  type("ab cd");
  snapshot.voice_phase = "recording";
  snapshot.voice_preview = "X";
  reveal = {"X", 0, 0};
  clock.slow_tick = 5;
  voice_anchor = 2;
  draw(40, 7);
  EXPECT_EQ(row_text(3), "  \u2502  ab X cd\u258F                           ");
}

TEST_F(ComposerViewTest, RecordingMarkBlinksOnTheActivityBar) {
  snapshot.voice_phase = "recording";
  draw(40, 7);
  for (std::uint64_t tick : {0, 3, 4, 7, 8}) {
    draw_recording_mark(buffer, {0, 1, 40, 7}, snapshot, kPalette, tick);
    EXPECT_EQ(row_text(7).substr(0, 2 + 3 * 3 + 3), "  \u2500\u2500\u2500\u25A0") << tick;
    EXPECT_EQ(style_at(5, 7), (tick & 4) == 0 ? "fg=accent bg=surface" : "fg=faint bg=surface")
        << tick;
  }
  snapshot.voice_phase = "transcribing";
  draw(40, 7);
  draw_recording_mark(buffer, {0, 1, 40, 7}, snapshot, kPalette, 0);
  EXPECT_EQ(row_text(7), "  " + kRule36 + "  ");
}

TEST_F(ComposerViewTest, NeverDrawsOutsideTheComposer) {
  type("some text\nmore");
  snapshot.queue_lines = {"queued"};
  snapshot.status = "working";
  for (std::uint16_t width : {0, 1, 2, 3, 5, 9, 10, 20}) {
    for (std::uint16_t height : {0, 1, 2, 3, 4, 5, 6}) {
      for (const char* page : {"", "task"}) {
        snapshot.agent_page = page;
        snapshot.voice_phase = "recording";
        draw(width, height);
        draw_recording_mark(buffer, {0, 1, width, height}, snapshot, kPalette, 0);
        const Rows rows = test::buffer_rows(buffer);
        const std::string dots(width, '.');
        EXPECT_EQ(rows.front(), dots) << width << "x" << height << " page '" << page << "'";
        EXPECT_EQ(rows.back(), dots) << width << "x" << height << " page '" << page << "'";
      }
    }
  }
}

}  // namespace
}  // namespace orvane::render

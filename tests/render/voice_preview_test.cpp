#include "render/voice_preview.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace orvane::render {
namespace {

TEST(NotePreview, SharedWordsUpToTheLastSharedBlankStaySettled) {
  struct Case {
    std::string previous, next;
    std::size_t stable;
  };
  const std::vector<Case> cases = {
      {"hello wor", "hello world again", 6},
      {"", "hello", 0},
      {"hello", "help me", 0},
      {"one two three", "one two thr", 8},
      // Counted in characters, not bytes.
      {"\u00E7a va", "\u00E7a va bien", 3},
  };
  for (const Case& c : cases) {
    VoiceReveal reveal;
    reveal.last_preview = c.previous;
    reveal.preview_tick = 1;
    note_preview(reveal, c.next, 40);
    EXPECT_EQ(reveal.stable_chars, c.stable) << c.previous << " -> " << c.next;
    EXPECT_EQ(reveal.last_preview, c.next);
    EXPECT_EQ(reveal.preview_tick, 40u);
  }
}

TEST(NotePreview, AnUnchangedPreviewKeepsItsAge) {
  VoiceReveal reveal{"hello", 3, 2};
  note_preview(reveal, "hello", 50);
  EXPECT_EQ(reveal.preview_tick, 3u);
  EXPECT_EQ(reveal.stable_chars, 2u);
}

TEST(RevealedPreview, NewLettersFlickerForThreeTicksExceptEveryThird) {
  const VoiceReveal reveal{"hello world again", 0, 6};
  const std::string preview = "hello world again";
  EXPECT_EQ(revealed_preview(preview, reveal, 0), "hello wpglo aneim");
  EXPECT_EQ(revealed_preview(preview, reveal, 2), "hello wlclk ajaii");
  EXPECT_EQ(revealed_preview(preview, reveal, 3), preview);
  EXPECT_EQ(revealed_preview(preview, reveal, 100), preview);
}

TEST(RevealedPreview, OnlyAsciiLettersAreScrambled) {
  const VoiceReveal reveal{"", 5, 0};
  // Characters 1, 2, 4, 5, 7: "1", "é", "-", "Z", "日"; of them only "Z" is scrambled.
  const std::string shown = revealed_preview("a1\u00E9b-Zc\u65E5", reveal, 5);
  EXPECT_EQ(shown, "a1\u00E9b-kc\u65E5");
}

TEST(RevealedPreview, TickBeforeTheChangeCountsAsAgeZero) {
  const VoiceReveal reveal{"", 10, 0};
  EXPECT_NE(revealed_preview("abc", reveal, 4), "abc");
}

struct SpliceCase {
  std::string name;
  std::string text;
  std::size_t cursor;
  std::optional<std::size_t> anchor;
  std::string want_text;
  std::size_t want_cursor;
};

class WithPreviewTest : public testing::TestWithParam<SpliceCase> {};

TEST_P(WithPreviewTest, Splices) {
  const SpliceCase& c = GetParam();
  editor::Editor editor;
  editor.text = c.text;
  editor.cursor = c.cursor;
  const editor::Editor copy = with_preview(editor, "say", c.anchor);
  EXPECT_EQ(copy.text, c.want_text);
  EXPECT_EQ(copy.cursor, c.want_cursor);
  EXPECT_EQ(editor.text, c.text) << "the editor itself is untouched";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WithPreviewTest,
    testing::Values(
        SpliceCase{"between_words", "helloworld", 5, std::nullopt, "hello say world", 10},
        SpliceCase{"empty_text", "", 0, std::nullopt, "say", 3},
        SpliceCase{"after_a_space", "hello ", 6, std::nullopt, "hello say", 9},
        SpliceCase{"before_a_space", "a b", 1, std::nullopt, "a say b", 5},
        SpliceCase{"at_the_start", "abc", 0, std::nullopt, "say abc", 4},
        SpliceCase{"anchor_behind_the_cursor", "abc", 3, 0, "say abc", 7},
        SpliceCase{"anchor_after_the_cursor", "helloworld", 2, 5, "hello say world", 2},
        SpliceCase{"anchor_past_the_end", "abc", 1, 99, "abc say", 1},
        SpliceCase{"anchor_inside_a_character", "\u00E9t\u00E9", 0, 1, "\u00E9t\u00E9", 0},
        SpliceCase{"after_a_line_feed", "a\n", 2, std::nullopt, "a\nsay", 5}),
    [](const auto& info) { return info.param.name; });

TEST(WithPreview, SelectionMovesWithTheText) {
  editor::Editor editor;
  editor.text = "helloworld";
  editor.cursor = 9;
  editor.anchor = 7;
  const editor::Editor copy = with_preview(editor, "say", 5);
  EXPECT_EQ(copy.cursor, 14u);
  EXPECT_EQ(copy.anchor, 12u);
}

}  // namespace
}  // namespace orvane::render

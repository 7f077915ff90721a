#include "render/composer_geometry.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::render {
namespace {

editor::Editor editor_with(std::string text) {
  editor::Editor editor;
  editor.text = std::move(text);
  editor.cursor = editor.text.size();
  return editor;
}

std::string lines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += (i ? "\nline " : "line ") + std::to_string(i);
  return text;
}

struct HeightCase {
  std::string name;
  tui::Rect area;
  std::string text;
  std::size_t queued = 0;
  std::string agent_page = "";
  std::uint16_t want = 0;
};

class ComposerHeightTest : public testing::TestWithParam<HeightCase> {};

TEST_P(ComposerHeightTest, FitsTextQueueAndScreen) {
  const HeightCase& c = GetParam();
  bridge::Snapshot snapshot;
  snapshot.queue_lines.assign(c.queued, "queued");
  snapshot.agent_page = c.agent_page;
  EXPECT_EQ(composer_height(c.area, editor_with(c.text), snapshot), c.want);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComposerHeightTest,
    testing::Values(HeightCase{"empty_on_40_rows", {0, 0, 80, 40}, "", 0, "", 7},
                    HeightCase{"empty_on_10_rows", {0, 0, 80, 10}, "", 0, "", 6},
                    HeightCase{"empty_on_4_rows", {0, 0, 80, 4}, "", 0, "", 4},
                    HeightCase{"five_lines", {0, 0, 80, 40}, lines(5), 0, "", 9},
                    HeightCase{"text_rows_capped_at_22", {0, 0, 80, 40}, lines(30), 0, "", 26},
                    HeightCase{"screen_keeps_7_rows", {0, 0, 80, 30}, lines(30), 0, "", 23},
                    HeightCase{"queue_counts_up_to_4", {0, 0, 80, 40}, "", 6, "", 11},
                    HeightCase{"two_queued", {0, 0, 80, 40}, "", 2, "", 9},
                    HeightCase{"sub_agent_page", {0, 0, 80, 40}, lines(10), 3, "task", 3}),
    [](const auto& info) { return info.param.name; });

TEST(ComposerHeight, MeasuresAtTheComposerWidthLeftBySidebars) {
  bridge::Snapshot snapshot;
  const editor::Editor editor = editor_with(std::string(160, 'x'));
  // 130 columns without sidebars: 121 text columns, so 160 letters and the cursor take 2 rows.
  EXPECT_EQ(composer_height({0, 0, 130, 40}, editor, snapshot), 7);
  // With both sidebars the composer is 60 wide: 51 text columns, 4 rows.
  snapshot.sessions_sidebar = snapshot.details_sidebar = true;
  EXPECT_EQ(composer_height({0, 0, 130, 40}, editor, snapshot), 8);
}

TEST(ComposerHeight, VoicePreviewCountsAsTypedAtTheCursor) {
  bridge::Snapshot snapshot;
  snapshot.voice_preview = std::string(400, 'v');
  const editor::Editor editor = editor_with("");
  EXPECT_EQ(composer_height({0, 0, 80, 40}, editor, snapshot), 7) << "not recording";
  for (const char* phase : {"recording", "transcribing"}) {
    snapshot.voice_phase = phase;
    // 400 letters and the cursor at 71 columns make 6 rows.
    EXPECT_EQ(composer_height({0, 0, 80, 40}, editor, snapshot), 10) << phase;
  }
}

TEST(ComposerRows, SplitsQueueEditorControlsAndBar) {
  const ComposerRows empty = composer_rows({0, 33, 80, 7}, 0);
  EXPECT_EQ(empty.queue, (tui::Rect{0, 33, 80, 1}));
  EXPECT_EQ(empty.editor, (tui::Rect{0, 34, 80, 4}));
  EXPECT_EQ(empty.controls, (tui::Rect{0, 38, 80, 1}));
  EXPECT_EQ(empty.activity, (tui::Rect{0, 39, 80, 1}));

  const ComposerRows queued = composer_rows({2, 20, 50, 15}, 9);
  EXPECT_EQ(queued.queue, (tui::Rect{2, 20, 50, 5}));
  EXPECT_EQ(queued.editor, (tui::Rect{2, 25, 50, 8}));
  EXPECT_EQ(queued.controls, (tui::Rect{2, 33, 50, 1}));
  EXPECT_EQ(queued.activity, (tui::Rect{2, 34, 50, 1}));
}

TEST(ComposerRows, EditorBoxGetsOneRowMoreThanTheText) {
  bridge::Snapshot snapshot;
  snapshot.queue_lines = {"a", "b"};
  const tui::Rect screen{0, 0, 80, 40};
  const std::uint16_t height = composer_height(screen, editor_with(lines(5)), snapshot);
  const ComposerRows rows = composer_rows({0, 0, 80, height}, snapshot.queue_lines.size());
  EXPECT_EQ(rows.queue.height, 3);
  EXPECT_EQ(rows.editor.height, 6);
}

}  // namespace
}  // namespace orvane::render

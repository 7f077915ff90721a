#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/dialogs/cell_text.hpp"
#include "render/dialogs/prompt_area.hpp"
#include "render/draw.hpp"
#include "support/buffer_rows.hpp"
#include "tui/buffer.hpp"

namespace orvane::render::dialogs {
namespace {

TEST(PromptInFrame,
     CoversTheBottomOfTheTranscriptWithTheViewsSelectionAndScroll) {
  bridge::Snapshot snapshot;
  for (int i = 0; i < 30; ++i)
    snapshot.lines.push_back("L" + std::to_string(i));
  bridge::Prompt prompt;
  prompt.kind = "question";
  prompt.lines = {"q0", "q1", "q2", "q3", "q4", "q5", "q6"};
  prompt.choices = {{"One", "1", "1", false}, {"Two", "2", "2", false}};
  snapshot.prompt = prompt;
  editor::Editor composer, form, answer;
  answer.text = "hi";
  answer.cursor = 2;
  Cache cache;
  tui::Buffer buffer(tui::Rect{0, 0, 40, 24});
  tui::Frame frame{buffer, buffer.area(), {}};
  const Regions regions = render::draw(frame, snapshot,
                                       View{.composer = composer,
                                            .form = form,
                                            .answer = answer,
                                            .panel_filter = "",
                                            .selection = 1,
                                            .panel_scroll = 2},
                                       cache);

  const tui::Rect box = prompt_area(regions.transcript, prompt);
  ASSERT_EQ(box.height, 12u);
  const std::vector<std::string> rows = test::buffer_rows(buffer);
  EXPECT_EQ(rows[box.y].substr(0, 10), "  Question");
  EXPECT_EQ(rows[box.y + 1].substr(0, 4), "  q2");
  EXPECT_EQ(rows[box.y + 5].substr(0, 4), "  q6");
  EXPECT_EQ(rows[box.y + 8].substr(0, 14), "     [1] One  ");
  EXPECT_EQ(rows[box.y + 9].substr(0, 14), "   \u25b8 [2] Two");
  EXPECT_EQ(rows[box.y + 10].substr(0, 15), "   Answer hi\u258f");
  const Palette palette = Palette::make(false);
  EXPECT_EQ(test::cell_text(buffer, 0, box.y, palette), "fg=text bg=surface");
  EXPECT_EQ(test::cell_text(buffer, 0, box.y - 1, palette),
            "fg=text bg=background");
}

} // namespace
} // namespace orvane::render::dialogs

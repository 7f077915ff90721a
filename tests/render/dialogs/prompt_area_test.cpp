#include "render/dialogs/prompt_area.hpp"

#include <gtest/gtest.h>

#include <string>

namespace orvane::render::dialogs {
namespace {

bridge::Prompt prompt(std::string kind, std::size_t lines, std::size_t choices) {
  bridge::Prompt p;
  p.kind = std::move(kind);
  p.lines.assign(lines, "text");
  for (std::size_t i = 0; i < choices; ++i)
    p.choices.push_back({"label", "value", std::to_string(i), false});
  return p;
}

TEST(PromptArea, DocksAtTheBottomOfTheTranscript) {
  struct Case {
    const char* name;
    tui::Rect transcript;
    bridge::Prompt prompt;
    tui::Rect expected;
  };
  const Case cases[] = {
      {"permission, 2 lines, 3 choices",
       {0, 1, 40, 40},
       prompt("permission", 2, 3),
       {0, 33, 40, 8}},
      {"question adds the answer line", {0, 1, 40, 40}, prompt("question", 2, 3), {0, 32, 40, 9}},
      {"other kinds get no answer line", {0, 1, 40, 40}, prompt("choice", 2, 3), {0, 33, 40, 8}},
      {"no text", {3, 0, 20, 30}, prompt("permission", 0, 2), {3, 24, 20, 6}},
      {"five lines", {0, 0, 20, 30}, prompt("permission", 5, 0), {0, 22, 20, 8}},
      {"long text is capped", {0, 0, 20, 30}, prompt("permission", 8, 1), {0, 20, 20, 10}},
      {"short transcript", {0, 2, 20, 5}, prompt("question", 8, 4), {0, 2, 20, 5}},
      {"no transcript", {0, 2, 20, 0}, prompt("question", 1, 1), {0, 2, 20, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(prompt_area(c.transcript, c.prompt), c.expected) << c.name;
}

TEST(PromptArea, RegionsSplitBodyAndChoices) {
  struct Case {
    const char* name;
    tui::Rect box;
    std::size_t choices;
    tui::Rect body;
    tui::Rect area;
  };
  const Case cases[] = {
      {"permission of 8 rows", {0, 33, 40, 8}, 3, {2, 34, 36, 2}, {2, 36, 36, 5}},
      {"question of 9 rows", {0, 32, 40, 9}, 3, {2, 33, 36, 3}, {2, 36, 36, 5}},
      {"five rows leave three for the choices", {0, 2, 20, 5}, 4, {2, 3, 16, 1}, {2, 4, 16, 3}},
      {"two rows", {0, 0, 20, 2}, 4, {2, 1, 16, 1}, {2, 2, 16, 0}},
      {"one row", {0, 0, 20, 1}, 4, {2, 1, 16, 0}, {2, 1, 16, 0}},
      {"too narrow", {0, 0, 3, 6}, 1, {2, 1, 0, 2}, {2, 3, 0, 3}},
  };
  for (const auto& c : cases) {
    const PromptRegions regions = prompt_regions(c.box, c.choices);
    EXPECT_EQ(regions.body, c.body) << c.name;
    EXPECT_EQ(regions.choices, c.area) << c.name;
  }
}

}  // namespace
}  // namespace orvane::render::dialogs

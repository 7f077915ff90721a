#include "render/control_layout.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "render/composer_hits.hpp"

namespace orvane::render {
namespace {

std::vector<std::string> labels(const ControlLayout& layout) {
  std::vector<std::string> out;
  for (const ControlItem& item : layout.items) out.push_back(item.label);
  return out;
}

bridge::Snapshot full_snapshot() {
  bridge::Snapshot snapshot;
  snapshot.agent = "build";
  snapshot.model = "sonnet";
  snapshot.provider = "anthropic";
  snapshot.effort = "high";
  snapshot.context_label = "12% \u00B7 24k / 200k \u00B7 $0.12";
  snapshot.context_window = 200000;
  return snapshot;
}

struct DegradeCase {
  std::size_t width;
  std::vector<std::string> items;
  std::string status;
  bool meter;
  std::size_t status_x;
  std::size_t gap;
};

// Each width is the narrowest at which a step still fits, or the first at which the next
// thing has been given up.
TEST(ControlLayout, GivesThingsUpOneStepAtATimeAsTheRowNarrows) {
  const std::string two = "12% \u00B7 24k / 200k";
  const std::string three = two + " \u00B7 $0.12";
  const std::vector<DegradeCase> cases = {
      {69, {"Build", "sonnet anthropic", "high"}, three, true, 33, 2},
      {68, {"Build", "sonnet", "high"}, three, true, 32, 11},
      {59, {"Build", "sonnet", "high"}, three, true, 23, 2},
      {58, {"Build", "sonnet"}, three, true, 22, 8},
      {52, {"Build", "sonnet"}, three, true, 16, 2},
      {51, {"Build", "sonnet"}, two, true, 23, 9},
      {44, {"Build", "sonnet"}, two, true, 16, 2},
      {43, {"Build", "sonnet"}, two, false, 27, 13},
      {32, {"Build", "sonnet"}, two, false, 16, 2},
      {31, {"Build", "sonnet"}, "12%", false, 28, 14},
      {19, {"Build", "sonnet"}, "12%", false, 16, 2},
      // Nothing left to give up: the model label is cut, then the agent label.
      {18, {"Build", "sonn\u2026"}, "12%", false, 15, 2},
      {10, {"Build", "\u2026"}, "12%", false, 7, 0},
      {4, {"\u2026", "\u2026"}, "12%", false, 1, 0},
      // The status itself is cut to the row.
      {2, {"\u2026", "\u2026"}, "1\u2026", false, 0, 0},
  };
  const bridge::Snapshot snapshot = full_snapshot();
  for (const DegradeCase& c : cases) {
    const ControlLayout layout = control_layout(snapshot, c.width);
    EXPECT_EQ(labels(layout), c.items) << "width " << c.width;
    EXPECT_EQ(layout.status, c.status) << "width " << c.width;
    EXPECT_EQ(layout.meter, c.meter) << "width " << c.width;
    EXPECT_EQ(layout.status_x, c.status_x) << "width " << c.width;
    EXPECT_EQ(layout.gap, c.gap) << "width " << c.width;
  }
}

TEST(ControlLayout, EffortGoesAtOnceWhenThereIsNoProvider) {
  bridge::Snapshot snapshot = full_snapshot();
  snapshot.provider.clear();
  EXPECT_EQ(labels(control_layout(snapshot, 59)),
            (std::vector<std::string>{"Build", "sonnet", "high"}));
  EXPECT_EQ(labels(control_layout(snapshot, 58)), (std::vector<std::string>{"Build", "sonnet"}));
}

TEST(ControlLayout, CommandsFollowTheItems) {
  const ControlLayout layout = control_layout(full_snapshot(), 200);
  ASSERT_EQ(layout.items.size(), 3u);
  EXPECT_EQ(layout.items[0].command, "/agent");
  EXPECT_EQ(layout.items[1].command, "/model");
  EXPECT_EQ(layout.items[2].command, "/effort");
}

TEST(ControlLayout, StatusWithoutLabelOrWindow) {
  struct Case {
    std::string label;
    std::optional<std::uint64_t> window;
    std::string want;
  };
  const std::vector<Case> cases = {
      {"", std::nullopt, "unavailable ?"},
      {"", 0, "unavailable ?"},
      {" \u00B7  \u00B7 ", 1000, "unavailable"},
      {"a \u00B7  \u00B7 b", std::nullopt, "a \u00B7 b ?"},
      {"5%", 1000, "5%"},
  };
  for (const Case& c : cases) {
    bridge::Snapshot snapshot;
    snapshot.context_label = c.label;
    snapshot.context_window = c.window;
    EXPECT_EQ(control_layout(snapshot, 100).status, c.want) << "label '" << c.label << "'";
  }
}

TEST(ControlLayout, AgentLabelStartsWithACapitalAsciiLetter) {
  for (const auto& [agent, want] :
       std::vector<std::pair<std::string, std::string>>{{"build", "Build"},
                                                        {"Plan", "Plan"},
                                                        {"\u00E9crire", "\u00E9crire"},
                                                        {"", ""},
                                                        {"2nd", "2nd"}}) {
    bridge::Snapshot snapshot;
    snapshot.agent = agent;
    EXPECT_EQ(control_layout(snapshot, 100).items.at(0).label, want);
  }
}

TEST(ControlLayout, StatusPartEndsAtTheRightEdge) {
  bridge::Snapshot snapshot = full_snapshot();
  snapshot.context_label = "\u65E5\u672C 5%";  // wide characters count two columns
  const ControlLayout layout = control_layout(snapshot, 80);
  EXPECT_TRUE(layout.meter);
  EXPECT_EQ(layout.status_x + kMeterWidth + 7, 80u);
}

// A composer of 80 columns at the bottom of a 40-row screen: the control row is row 38,
// the controls start at column 5 and the row is 71 columns wide.
class ComposerHitTest : public testing::Test {
 protected:
  ComposerHitTest() {
    snapshot.agent = "build";
    snapshot.model = "sonnet";
    snapshot.context_label = "12%";
    snapshot.context_window = 1000;
  }
  const tui::Rect composer{0, 33, 80, 7};
  bridge::Snapshot snapshot;
};

TEST_F(ComposerHitTest, ControlsCoverTheirLabelsOnly) {
  struct Case {
    std::uint16_t column, row;
    std::optional<std::string_view> want;
  };
  const std::vector<Case> cases = {
      {4, 38, std::nullopt},  {5, 38, "/agent"},     {9, 38, "/agent"},      {10, 38, std::nullopt},
      {12, 38, std::nullopt}, {13, 38, "/model"},    {18, 38, "/model"},     {19, 38, std::nullopt},
      {5, 37, std::nullopt},  {5, 39, std::nullopt}, {65, 38, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(composer_control_at(composer, snapshot, c.column, c.row), c.want)
        << "column " << c.column << " row " << c.row;
  }
}

TEST_F(ComposerHitTest, ContextCoversMeterAndStatus) {
  // Status "12%" and the meter take 15 columns ending at 71: they start at column 5 + 56.
  struct Case {
    std::uint16_t column, row;
    bool want;
  };
  const std::vector<Case> cases = {
      {60, 38, false}, {61, 38, true},  {75, 38, true},
      {76, 38, false}, {61, 37, false}, {61, 39, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(composer_context_at(composer, snapshot, c.column, c.row), c.want)
        << "column " << c.column << " row " << c.row;
  }
}

TEST_F(ComposerHitTest, QueuedMessagesMoveTheControlRow) {
  snapshot.queue_lines = {"one", "two"};
  const tui::Rect taller{0, 31, 80, 9};
  EXPECT_EQ(composer_control_at(taller, snapshot, 5, 38), "/agent");
  EXPECT_TRUE(composer_context_at(taller, snapshot, 61, 38));
}

TEST_F(ComposerHitTest, NothingHitsOnASubAgentPage) {
  snapshot.agent_page = "task-1";
  EXPECT_EQ(composer_control_at(composer, snapshot, 5, 38), std::nullopt);
  EXPECT_FALSE(composer_context_at(composer, snapshot, 61, 38));
}

TEST_F(ComposerHitTest, EffortControlFollowsTheModel) {
  snapshot.effort = "high";
  // Build(5-9) · sonnet(13-18) · high(22-25)
  EXPECT_EQ(composer_control_at(composer, snapshot, 21, 38), std::nullopt);
  EXPECT_EQ(composer_control_at(composer, snapshot, 22, 38), "/effort");
  EXPECT_EQ(composer_control_at(composer, snapshot, 25, 38), "/effort");
  EXPECT_EQ(composer_control_at(composer, snapshot, 26, 38), std::nullopt);
}

}  // namespace
}  // namespace orvane::render

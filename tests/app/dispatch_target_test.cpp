#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dispatch_fixture.hpp"

namespace orvane::app::testing {
namespace {

using Lines = std::vector<std::string>;

// On a 120x20 screen with the default snapshot the transcript region is 10 rows high:
// 3 rows of top bar and a 7-row composer.
class TargetMode : public DispatchTest {
 protected:
  void SetUp() override {
    size = {120, 20};
    set_targets({{0, 1}, {3, 3}, {12, 14}, {20, 35}});
    state.target_mode = true;
    state.follow = false;
  }
};

TEST_F(TargetMode, MoveKeysStepWithinTheTargets) {
  struct Step {
    KeyEvent key;
    std::size_t index;
  };
  const Step steps[] = {{key(Key::Up), 0},      {key(Key::Down), 1}, {key(Key::Tab), 2},
                        {ch(U'j'), 3},          {key(Key::Down), 3}, {ch(U'k'), 2},
                        {key(Key::BackTab), 1}, {key(Key::Home), 0}, {key(Key::End), 3}};
  for (const Step& step : steps) {
    press(step.key);
    EXPECT_EQ(state.target_index, step.index) << step.key;
    EXPECT_TRUE(state.target_mode);
  }
  EXPECT_EQ(sent(), Lines{});
}

TEST_F(TargetMode, TheChosenTargetIsScrolledIntoView) {
  struct Case {
    const char* name;
    bool follow;
    std::size_t offset;
    std::size_t max;
    std::size_t from_index;
    KeyEvent key;
    std::size_t offset_after;
  };
  const Case cases[] = {
      {"already visible", false, 0, 26, 0, key(Key::Down), 0},
      {"below: its last line comes to the bottom", false, 0, 26, 1, key(Key::Down), 5},
      {"above: its first line comes to the top", false, 30, 26, 3, key(Key::Up), 12},
      {"taller than the region: its top", false, 0, 26, 2, key(Key::Down), 20},
      {"following: scrolls from the bottom", true, 0, 26, 3, key(Key::Home), 0},
      {"following, visible at the bottom: stays", true, 0, 8, 1, key(Key::Down), 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    state.follow = c.follow;
    state.transcript_offset = c.offset;
    state.cache.max_top = c.max;
    state.target_index = c.from_index;
    press(c.key);
    EXPECT_EQ(state.transcript_offset, c.offset_after);
    EXPECT_FALSE(state.follow);
  }
}

TEST_F(TargetMode, EnterOrSpaceSendsTheClickValueAndLeaves) {
  state.snapshot.generation = 4;
  press(key(Key::Enter));
  EXPECT_EQ(sent(), Lines{R"({"generation":4,"operation":{"target":0},"type":"operation"})"});
  EXPECT_FALSE(state.target_mode);

  state.target_mode = true;
  state.target_index = 2;
  press(ch(U' '));
  EXPECT_EQ(sent(), Lines{R"({"generation":4,"operation":{"target":2},"type":"operation"})"});
  EXPECT_FALSE(state.target_mode);

  state.target_mode = true;
  state.target_index = 9;
  press(key(Key::Enter));
  EXPECT_EQ(sent(), Lines{}) << "no such target";
  EXPECT_FALSE(state.target_mode);
  EXPECT_EQ(state.composer.text, "");
}

TEST_F(TargetMode, EscLeavesAndAnyOtherKeyLeavesAndGoesOn) {
  press(key(Key::Esc));
  EXPECT_FALSE(state.target_mode);
  EXPECT_EQ(state.last_esc, start - 2s);

  state.target_mode = true;
  press(ch(U'a'));
  EXPECT_FALSE(state.target_mode);
  EXPECT_EQ(state.composer.text, "a");
}

TEST_F(TargetMode, ATerminalSizeFailureEndsTheRun) {
  size_error = std::make_error_code(std::errc::io_error);
  const KeyDispatch result = press(key(Key::Down));
  ASSERT_TRUE(result.error);
  EXPECT_NE(result.error->message.find("terminal size"), std::string::npos);
}

TEST_F(TargetMode, WithoutTargetsMovesNeitherScrollNorAskTheTerminal) {
  set_targets({});
  size_error = std::make_error_code(std::errc::io_error);
  state.transcript_offset = 4;
  state.target_index = 2;
  EXPECT_FALSE(press(key(Key::Down)).error);
  EXPECT_EQ(state.target_index, 0u);
  EXPECT_EQ(state.transcript_offset, 4u);
}

class SubAgentPage : public DispatchTest {
 protected:
  void SetUp() override {
    state.snapshot.agent_page = "worker";
    state.cache.max_top = 50;
  }
};

TEST_F(SubAgentPage, KeysScrollTheTranscript) {
  struct Case {
    Key key;
    bool follow;
    std::size_t offset;
    bool follow_after;
    std::size_t offset_after;
  };
  const Case cases[] = {
      {Key::Down, true, 0, false, 50},   {Key::PageDown, true, 0, false, 50},
      {Key::Down, false, 10, false, 11}, {Key::PageDown, false, 45, false, 50},
      {Key::PageUp, true, 0, false, 40}, {Key::PageUp, false, 4, false, 0},
      {Key::Home, true, 20, false, 0},   {Key::End, false, 20, true, 20},
  };
  for (const Case& c : cases) {
    state.follow = c.follow;
    state.transcript_offset = c.offset;
    press(key(c.key));
    EXPECT_EQ(state.follow, c.follow_after) << key(c.key);
    EXPECT_EQ(state.transcript_offset, c.offset_after) << key(c.key);
  }
}

TEST_F(SubAgentPage, UpAndEscGoBackAndNothingIsTyped) {
  press(key(Key::Up));
  press(key(Key::Esc));
  type("ab");
  press(key(Key::Enter));
  EXPECT_EQ(sent(), (Lines{R"({"text":"","type":"dismiss"})", R"({"text":"","type":"dismiss"})"}));
  EXPECT_EQ(state.composer.text, "");
}

TEST_F(SubAgentPage, TabStartsTargetModeAtTheFirstTarget) {
  press(key(Key::Tab));
  EXPECT_FALSE(state.target_mode) << "no targets";
  set_targets({{0, 0}, {2, 3}});
  press(key(Key::Tab));
  EXPECT_TRUE(state.target_mode);
  EXPECT_EQ(state.target_index, 0u);
}

TEST_F(SubAgentPage, AnOpenPanelTakesTheKeys) {
  state.snapshot.panel_title = "Sessions";
  type("ab");
  EXPECT_EQ(state.panel_filter, "");
  EXPECT_EQ(state.composer.text, "");
  press(key(Key::Esc));
  EXPECT_EQ(sent(), Lines{R"({"text":"","type":"dismiss"})"});
}

}  // namespace
}  // namespace orvane::app::testing

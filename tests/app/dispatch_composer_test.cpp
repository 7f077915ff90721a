#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dispatch_fixture.hpp"

namespace orvane::app::testing {
namespace {

using Lines = std::vector<std::string>;

class Composer : public DispatchTest {
 protected:
  void SetUp() override { state.snapshot.generation = 3; }
};

TEST_F(Composer, EnterSubmitsWithTheModeOfItsModifiers) {
  struct Case {
    Modifiers modifiers;
    const char* line;
  };
  const Case cases[] = {
      {kNone, R"({"generation":3,"mode":"queue","text":"hi","type":"submit"})"},
      {kCtrl, R"({"generation":3,"mode":"steer","text":"hi","type":"submit"})"},
      {kAlt, R"({"generation":3,"mode":"interrupt","text":"hi","type":"submit"})"},
      {kCtrl | kAlt, R"({"generation":3,"mode":"steer","text":"hi","type":"submit"})"},
  };
  for (const Case& c : cases) {
    type("hi");
    state.follow = false;
    press(key(Key::Enter, c.modifiers));
    EXPECT_EQ(sent(), Lines{c.line});
    EXPECT_EQ(state.composer.text, "");
    EXPECT_EQ(state.composer.sent.back(), "hi");
    EXPECT_TRUE(state.follow);
  }
}

TEST_F(Composer, ShiftEnterBreaksTheLine) {
  type("a");
  press(key(Key::Enter, kShift));
  type("b");
  EXPECT_EQ(state.composer.text, "a\nb");
  EXPECT_EQ(sent(), Lines{});
}

TEST_F(Composer, EnterOnABlankComposerSendsOnlyWithAttachments) {
  type(" \u3000");
  press(key(Key::Enter));
  EXPECT_EQ(sent(), Lines{});
  EXPECT_EQ(state.composer.text, " \u3000");

  set_composer("");
  state.snapshot.attachments = 2;
  press(key(Key::Enter));
  EXPECT_EQ(sent(), Lines{R"({"generation":3,"mode":"queue","text":"","type":"submit"})"});
}

TEST_F(Composer, UpAndDownRecallHistoryOnOneLineAndMoveBetweenLines) {
  state.composer.sent = {"first", "second"};
  state.composer.recall = 2;
  press(key(Key::Up));
  EXPECT_EQ(state.composer.text, "second");
  press(key(Key::Up));
  press(key(Key::Up));
  EXPECT_EQ(state.composer.text, "first");
  EXPECT_EQ(state.composer.cursor, 5u);
  press(key(Key::Down));
  press(key(Key::Down));
  EXPECT_EQ(state.composer.text, "");

  set_composer("ab\ncd");
  press(key(Key::Up));
  EXPECT_EQ(state.composer.text, "ab\ncd");
  EXPECT_EQ(state.composer.cursor, 2u) << "the cursor moved a line up";
  press(key(Key::Down));
  EXPECT_EQ(state.composer.cursor, 5u);
}

TEST_F(Composer, PageKeysScrollTheTranscriptFromWhereItShows) {
  state.cache.max_top = 25;
  press(key(Key::PageUp));
  EXPECT_EQ(state.transcript_offset, 15u);
  EXPECT_FALSE(state.follow);
  press(key(Key::PageUp));
  press(key(Key::PageUp));
  EXPECT_EQ(state.transcript_offset, 0u);
  press(key(Key::PageDown));
  EXPECT_EQ(state.transcript_offset, 10u);

  // At the end of a followed transcript PageDown stays at the end and stops following.
  state.follow = true;
  press(key(Key::PageDown));
  EXPECT_EQ(state.transcript_offset, 25u);
  EXPECT_FALSE(state.follow);
}

TEST_F(Composer, TabOnAnEmptyComposerStartsTargetModeAtTheNewestTarget) {
  set_targets({{0, 1}, {4, 6}, {9, 9}});
  press(key(Key::Tab));
  EXPECT_TRUE(state.target_mode);
  EXPECT_EQ(state.target_index, 2u);
  EXPECT_EQ(sent(), Lines{});
}

TEST_F(Composer, TabOtherwiseAsksForCompletion) {
  press(key(Key::Tab));
  EXPECT_EQ(sent(), Lines{R"({"generation":3,"prefix":"","text":"","type":"complete"})"})
      << "no targets";
  type("see abc");
  press(key(Key::Tab));
  EXPECT_EQ(sent(), Lines{R"({"generation":3,"prefix":"see abc","text":"abc","type":"complete"})"});
  EXPECT_EQ(state.composer.text, "see abc") << "no spaces inserted";
  EXPECT_FALSE(state.target_mode);
}

TEST_F(Composer, EscTwiceWithinASecondAndAHalfCancels) {
  const std::pair<std::chrono::milliseconds, bool> presses[] = {{0ms, false},   {1000ms, true},
                                                                {2400ms, true}, {4000ms, false},
                                                                {5499ms, true}, {7000ms, false}};
  for (const auto& [at, cancels] : presses) {
    now = start + at;
    press(key(Key::Esc));
    EXPECT_EQ(sent(), cancels ? Lines{R"({"text":"","type":"cancel"})"} : Lines{}) << at.count();
  }
}

TEST_F(Composer, CtrlEndFollowsAndPutsTheCursorAtTheEnd) {
  set_composer("ab\ncd");
  state.composer.cursor = 1;
  state.composer.anchor = 0;
  state.follow = false;
  press(key(Key::End, kCtrl));
  EXPECT_TRUE(state.follow);
  EXPECT_EQ(state.composer.cursor, 5u);
  EXPECT_EQ(state.composer.selected(), "");
  press(key(Key::Home));
  press(key(Key::End));
  EXPECT_EQ(state.composer.cursor, 5u) << "plain End is the line end";
}

TEST_F(Composer, CtrlCCopiesTheSelectionOrCancels) {
  set_composer("hello world");
  state.composer.anchor = 6;
  press(ctrl(U'c'));
  EXPECT_EQ(sent(), Lines{R"({"text":"world","type":"copy_text"})"});
  state.composer.anchor.reset();
  press(ctrl(U'c'));
  EXPECT_EQ(sent(), Lines{R"({"text":"","type":"cancel"})"});
}

TEST_F(Composer, ControlKeysSendTheirActions) {
  struct Case {
    KeyEvent key;
    const char* line;
  };
  const Case cases[] = {
      {key(Key::BackTab, kShift), R"({"text":"","type":"cycle_agent"})"},
      {ctrl(U' '), R"({"text":"/voice","type":"command"})"},
      {key(Key::Null, kCtrl), R"({"text":"/voice","type":"command"})"},
      {ctrl(U'f'), R"({"text":"/fork","type":"command"})"},
      {ctrl(U'g'), R"({"text":"/agent","type":"command"})"},
      {ctrl(U'i'), R"({"text":"/context","type":"command"})"},
      {ctrl(U'n'), R"({"text":"/new","type":"command"})"},
      {ctrl(U'o'), R"({"text":"/sessions","type":"command"})"},
      {ctrl(U'p'), R"({"text":"/help","type":"command"})"},
      {ctrl(U'r'), R"({"text":"/reconnect","type":"command"})"},
      {ctrl(U's'), R"({"text":"/settings","type":"command"})"},
      {ctrl(U'u'), R"({"text":"/usage","type":"command"})"},
      {ctrl(U't'), R"({"text":"","type":"cycle_effort"})"},
      {ctrl(U'v'), R"({"text":"","type":"clipboard"})"},
  };
  for (const Case& c : cases) {
    press(c.key);
    EXPECT_EQ(sent(), Lines{c.line}) << c.key;
  }
  EXPECT_EQ(state.composer.text, "");
}

TEST_F(Composer, CtrlBTogglesTheSidebarOnlyOnAWideTerminal) {
  size = {100, 40};
  press(ctrl(U'b'));
  EXPECT_EQ(sent(), Lines{R"({"text":"/sessions","type":"command"})"});
  EXPECT_EQ(state.snapshot.last_opened, "");

  for (std::uint16_t width : {110, 120}) {
    size = {width, 40};
    press(ctrl(U'b'));
    EXPECT_EQ(sent(), Lines{R"({"key":"sessions_sidebar","type":"toggle"})"});
    EXPECT_EQ(state.snapshot.last_opened, "sessions");
  }

  size_error = std::make_error_code(std::errc::io_error);
  EXPECT_TRUE(press(ctrl(U'b')).error);
}

TEST_F(Composer, CtrlETogglesTheLogsViewWithTheDetailsFocus) {
  press(ctrl(U'e'));
  EXPECT_TRUE(state.logs_view);
  EXPECT_TRUE(state.details_focus);
  EXPECT_EQ(state.snapshot.last_opened, "details");
  EXPECT_EQ(sent(), Lines{R"({"open":true,"type":"logs"})"});

  // The logs view is on now, but Ctrl+e is none of its keys.
  press(ctrl(U'e'));
  EXPECT_FALSE(state.logs_view);
  EXPECT_FALSE(state.details_focus);
  EXPECT_EQ(sent(), Lines{R"({"open":false,"type":"logs"})"});
}

TEST_F(Composer, CtrlLTogglesTheDetailsSidebarAndFocusesIt) {
  state.snapshot.last_opened = "sessions";
  press(ctrl(U'l'));
  EXPECT_EQ(sent(), Lines{R"({"key":"details_sidebar","type":"toggle"})"});
  EXPECT_EQ(state.snapshot.last_opened, "details");
  EXPECT_TRUE(state.details_focus);
}

TEST_F(Composer, OtherKeysEditTheText) {
  type("ab");
  press(key(Key::Left));
  press(key(Key::Tab, kNone));  // no targets: a completion request, not four spaces
  press(ctrl(U'j'));
  type("x");
  EXPECT_EQ(state.composer.text, "a\nxb");
  press(ctrl(U'z'));
  EXPECT_EQ(state.composer.text, "a\nb");
}

class Chord : public DispatchTest {};

TEST_F(Chord, TheKeyAfterCtrlXWithinThreeSecondsIsAChordKey) {
  struct Case {
    char32_t key;
    const char* line;
  };
  const Case cases[] = {
      {U'c', R"({"text":"","type":"context_popover"})"},
      {U'z', R"({"text":"","type":"update_help"})"},
      {U'?', R"({"text":"/hotkeys","type":"command"})"},
      {U'f', R"({"text":"/fork","type":"command"})"},
      {U'g', R"({"text":"/agent","type":"command"})"},
      {U'i', R"({"text":"/context","type":"command"})"},
      {U'm', R"({"text":"/model","type":"command"})"},
      {U'n', R"({"text":"/new","type":"command"})"},
      {U'o', R"({"text":"/sessions","type":"command"})"},
      {U'r', R"({"text":"/reconnect","type":"command"})"},
      {U's', R"({"text":"/settings","type":"command"})"},
      {U'u', R"({"text":"/usage","type":"command"})"},
      {U'v', R"({"text":"/voice","type":"command"})"},
      {U't', R"({"text":"","type":"cycle_effort"})"},
      {U'b', R"({"key":"sessions_sidebar","type":"toggle"})"},
      {U'l', R"({"key":"details_sidebar","type":"toggle"})"},
      {U'e', R"({"open":true,"type":"logs"})"},
  };
  for (const Case& c : cases) {
    state.logs_view = false;
    press(ctrl(U'x'));
    EXPECT_EQ(state.chord, now);
    now += 3s;
    press(ch(c.key));
    EXPECT_EQ(sent(), Lines{c.line}) << static_cast<char>(c.key);
    EXPECT_FALSE(state.chord);
  }
  EXPECT_EQ(state.composer.text, "");
}

TEST_F(Chord, AnyOtherKeyEndsTheChordAndDoesNothing) {
  for (const KeyEvent& k : {ch(U'q'), key(Key::Enter), key(Key::Esc), ctrl(U'n')}) {
    set_composer("draft");
    press(ctrl(U'x'));
    press(k);
    EXPECT_FALSE(state.chord);
    EXPECT_EQ(state.composer.text, "draft") << k;
  }
  EXPECT_EQ(state.last_esc, start - 2s);
  EXPECT_EQ(sent(), Lines{});
}

TEST_F(Chord, AfterThreeSecondsTheKeyIsTypedAsUsual) {
  press(ctrl(U'x'));
  now += 4s;
  press(ch(U'm'));
  EXPECT_EQ(state.composer.text, "m");
  EXPECT_EQ(sent(), Lines{});
  EXPECT_FALSE(state.chord);
}

TEST_F(Chord, ComesAfterTargetModeAndBeforePrompts) {
  state.snapshot.prompt.emplace();
  state.snapshot.prompt->choices = {{"Model", "m", "m"}};
  press(ctrl(U'x'));
  press(ch(U'm'));
  EXPECT_EQ(sent(), Lines{R"({"text":"/model","type":"command"})"});

  set_targets({{0, 0}});
  state.target_mode = true;
  press(ctrl(U'x'));
  EXPECT_FALSE(state.target_mode) << "Ctrl+x left target mode and then started the chord";
  EXPECT_TRUE(state.chord);
}

}  // namespace
}  // namespace orvane::app::testing

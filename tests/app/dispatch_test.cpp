#include "app/dispatch.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/paste.hpp"
#include "dispatch_fixture.hpp"
#include "input/edit.hpp"

namespace orvane::app::testing {
namespace {

using Lines = std::vector<std::string>;

class Dispatch : public DispatchTest {};

TEST_F(Dispatch, ReleasesAreIgnoredAndRepeatsActLikePresses) {
  state.redraw = false;
  press(KeyEvent{{Key::Char, U'a'}, kNone, term::KeyKind::Release});
  EXPECT_EQ(state.composer.text, "");
  EXPECT_FALSE(state.redraw);
  press(KeyEvent{{Key::Char, U'a'}, kNone, term::KeyKind::Repeat});
  press(KeyEvent{{Key::Char, U'b'}, kNone, term::KeyKind::Press});
  EXPECT_EQ(state.composer.text, "ab");
  EXPECT_TRUE(state.redraw);
  // A released quit key does not quit.
  EXPECT_FALSE(press(KeyEvent{{Key::Char, U'q'}, kCtrl, term::KeyKind::Release}).quit);
  EXPECT_EQ(sent(), Lines{});
}

TEST_F(Dispatch, QuitSendsQuitAndEndsTheRunOnlyWhenWritten) {
  const KeyDispatch result = press(ctrl(U'q'));
  EXPECT_TRUE(result.quit);
  EXPECT_FALSE(result.error);
  EXPECT_EQ(sent(), Lines{R"({"text":"","type":"quit"})"});

  outbox.failure = std::make_error_code(std::errc::broken_pipe);
  const KeyDispatch failed = press(ctrl(U'q'));
  EXPECT_FALSE(failed.quit);
  ASSERT_TRUE(failed.error);
  EXPECT_NE(failed.error->message.find("Broken pipe"), std::string::npos) << failed.error->message;
}

TEST_F(Dispatch, AFailedWriteEndsTheRunWhereverItHappens) {
  outbox.failure = std::make_error_code(std::errc::broken_pipe);
  set_composer("hello");
  for (const KeyEvent& k : {key(Key::Enter), key(Key::BackTab), ctrl(U'n'), key(Key::Tab)}) {
    EXPECT_TRUE(press(k).error) << k;
  }
}

TEST_F(Dispatch, WhileRecordingEveryKeyStopsTheRecording) {
  state.snapshot.voice_phase = "recording";
  press(ch(U'a'));
  EXPECT_EQ(sent(), Lines{R"({"discard":false,"send":false,"type":"voice_stop"})"});
  EXPECT_EQ(state.composer.text, "a") << "the key goes on to the composer";

  press(key(Key::Enter));
  EXPECT_EQ(sent(), Lines{R"({"discard":false,"send":true,"type":"voice_stop"})"});
  EXPECT_EQ(state.composer.text, "a") << "Enter submits nothing";

  press(key(Key::Esc));
  press(key(Key::Esc));
  EXPECT_EQ(sent(), (Lines{R"({"discard":true,"send":false,"type":"voice_stop"})",
                           R"({"discard":true,"send":false,"type":"voice_stop"})"}))
      << "Esc is consumed: two of them do not cancel";
}

TEST_F(Dispatch, WhileTranscribingEscDiscards) {
  state.snapshot.voice_phase = "transcribing";
  press(key(Key::Esc));
  press(key(Key::Esc));
  press(ch(U'a'));
  EXPECT_EQ(sent(), (Lines{R"({"text":"","type":"voice_discard"})",
                           R"({"text":"","type":"voice_discard"})"}));
  EXPECT_EQ(state.composer.text, "a");
}

TEST_F(Dispatch, EscClosesADetailsSidebarDrawnOverTheTranscript) {
  state.regions.transcript = {0, 3, 80, 30};
  state.regions.details = {40, 0, 40, 40};
  state.details_focus = true;
  press(key(Key::Esc));
  EXPECT_EQ(sent(), Lines{R"({"key":"details_sidebar","type":"toggle"})"});
  EXPECT_FALSE(state.details_focus);
  EXPECT_EQ(state.last_esc, start - 2s) << "the composer did not see it";

  // Beside the transcript it is no overlay: Esc reaches the composer.
  state.regions.transcript = {0, 3, 80, 30};
  state.regions.details = {80, 0, 40, 40};
  press(key(Key::Esc));
  EXPECT_EQ(sent(), Lines{});
  EXPECT_EQ(state.last_esc, now);

  // An open panel takes Esc first.
  state.regions.details = {40, 0, 40, 40};
  state.snapshot.panel_title = "Models";
  press(key(Key::Esc));
  EXPECT_EQ(sent(), Lines{R"({"text":"","type":"dismiss"})"});
}

TEST_F(Dispatch, KeysClearTheTranscriptSelection) {
  state.transcript_selection = TranscriptSelection{true, 1, 2, 3, 4};
  state.cache.selection = render::Selection{{1, 2}, {3, 4}};
  press(ctrl(U'q'));
  EXPECT_TRUE(state.transcript_selection) << "quit comes before";
  press(key(Key::Left));
  EXPECT_FALSE(state.transcript_selection);
  EXPECT_FALSE(state.cache.selection) << "nor is it drawn";
}

TEST_F(Dispatch, PasteGoesToTheFieldThatHasTheKeyboard) {
  const std::string pasted =
      "a\r\nb\x07"
      "c";
  struct Case {
    const char* name;
    void (*setup)(bridge::Snapshot&);
    const char* composer;
    const char* form;
    const char* answer;
  };
  const Case cases[] = {
      {"composer", [](bridge::Snapshot&) {}, "a\nbc", "", ""},
      {"form", [](bridge::Snapshot& s) { s.form.emplace(); }, "", "a\nbc", ""},
      {"form before prompt",
       [](bridge::Snapshot& s) {
         s.form.emplace();
         s.prompt.emplace();
       },
       "", "a\nbc", ""},
      {"question",
       [](bridge::Snapshot& s) {
         s.prompt.emplace();
         s.prompt->kind = "question";
       },
       "", "", "a\nbc"},
      {"permission prompt",
       [](bridge::Snapshot& s) {
         s.prompt.emplace();
         s.prompt->kind = "permission";
       },
       "", "", ""},
      {"sub-agent page", [](bridge::Snapshot& s) { s.agent_page = "worker"; }, "", "", ""},
      {"panel over a sub-agent page",
       [](bridge::Snapshot& s) {
         s.agent_page = "worker";
         s.panel_title = "Models";
       },
       "a\nbc", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LoopState fresh(start);
    c.setup(fresh.snapshot);
    route_paste(fresh, pasted, now);
    EXPECT_EQ(fresh.composer.text, c.composer);
    EXPECT_EQ(fresh.form_editor.text, c.form);
    EXPECT_EQ(fresh.answer.text, c.answer);
    const bool form = std::string(c.form).size() > 0;
    EXPECT_EQ(fresh.form_edits, form ? 1u : 0u);
    EXPECT_EQ(fresh.form_last_edit.has_value(), form);
  }
}

TEST_F(Dispatch, PasteIsOneUndoStepAndIgnoresTheTypingLimitButNotItsOwn) {
  state.composer.text = std::string(input::kTypedTextLimit, 'x');
  state.composer.cursor = state.composer.text.size();
  route_paste(state, "ab", now);
  EXPECT_EQ(state.composer.text.size(), input::kTypedTextLimit + 2)
      << "a paste goes into a full composer";
  EXPECT_EQ(state.composer.undo_stack.size(), 1u);

  set_composer("");
  route_paste(state, std::string(kPasteLimit + 1, 'y'), now);
  EXPECT_EQ(state.composer.text, "") << "too large";
  // The limit counts what is left after cleaning.
  route_paste(state, std::string(kPasteLimit, 'y') + "\r", now);
  EXPECT_EQ(state.composer.text.size(), kPasteLimit);
}

}  // namespace
}  // namespace orvane::app::testing

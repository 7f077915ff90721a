#include "app/completion.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/completion_request.hpp"
#include "dispatch_fixture.hpp"

namespace orvane::app::testing {
namespace {

using Lines = std::vector<std::string>;
using Candidates = std::vector<std::string>;

TEST(WordBefore, IsThePieceAfterTheLastWhitespace) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},
      {"abc", "abc"},
      {"see abc", "abc"},
      {"see ", ""},
      {"a\tb", "b"},
      {"a\nb", "b"},
      {"x\u3000日本", "日本"},
      {"x\u00A0y", "y"},
      {"one  /mo", "/mo"},
      {"é@fi", "é@fi"},
  };
  for (const auto& [before, word] : cases) EXPECT_EQ(word_before(before), word) << before;
}

TEST(CompletionCandidates, TheLongestMatchingAnswerNarrowedToTheWord) {
  const std::vector<CompletionEntry> cache = {
      {"/m", {"/model", "/mcp", "/Mode"}},
      {"/", {"/new", "/model"}},
      {"hello @", {"File.txt", "fig.png", "src/main"}},
      {"/model ", {"gpt-5", "gpt-4o", "claude"}},
      {"see gp", {"gpt-5"}},
  };
  struct Case {
    const char* text;
    std::size_t cursor;
    Candidates expected;
  };
  const Case cases[] = {
      {"/m", 2, {"/model", "/mcp", "/Mode"}},  // exactly the key: as it came
      {"/mo", 3, {"/model", "/Mode"}},         // narrowed, ignoring case
      {"/n", 2, {"/new"}},                     // only "/" matches
      {"/x", 2, {}},
      {"hello @fi", 9, {"File.txt", "fig.png"}},  // "@" dropped from the needle
      {"hello @fi", 7, {"File.txt", "fig.png", "src/main"}},
      {"hello @@s", 9, {"src/main"}},
      {"hello  @fi", 10, {}},  // another text before the word
      {"/model ", 7, {"gpt-5", "gpt-4o", "claude"}},
      {"/model gpt-4", 12, {"gpt-4o"}},
      {"/model gpt-4 more", 12, {"gpt-4o"}},  // only the text before the cursor counts
      {"see g", 5, {}},                       // the cached word is longer than the typed one
      {"abc", 3, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(completion_candidates(cache, c.text, c.cursor), c.expected)
        << c.text << " @" << c.cursor;
  }
}

class Completion : public DispatchTest {
 protected:
  void SetUp() override { state.snapshot.generation = 1; }

  // The loop's check after the frame.
  void check() {
    const std::error_code error = check_completion_request(state, outbox, now);
    ASSERT_FALSE(error);
  }
  // The loop's checks while time passes, one a millisecond.
  void wait(std::chrono::milliseconds time) {
    check();
    for (auto waited = 0ms; waited < time; waited += 1ms) {
      now += 1ms;
      check();
    }
  }
  void type_slowly(std::string_view text, std::chrono::milliseconds gap) {
    for (char c : text) {
      press(ch(static_cast<unsigned char>(c)));
      wait(gap);
    }
  }
  void answer(std::string key, Candidates candidates) {
    state.completion_cache.push_back({std::move(key), std::move(candidates)});
  }
  bool popup() {
    state.overlay = completion_overlay(state);
    return popup_active(state);
  }
};

TEST_F(Completion, OneRequestPerTypingPause) {
  type_slowly("/mo", 30ms);
  EXPECT_EQ(sent(), Lines{});
  wait(89ms);  // 119 ms after the last key
  EXPECT_EQ(sent(), Lines{});
  wait(1ms);
  EXPECT_EQ(sent(), Lines{R"({"generation":1,"prefix":"/mo","text":"/mo","type":"complete"})"});
  wait(1s);
  EXPECT_EQ(sent(), Lines{});
}

TEST_F(Completion, ABeginningAlreadyRequestedIsNotAskedAgain) {
  type_slowly("/mo", 200ms);
  EXPECT_EQ(sent().size(), 3u) << "/, /m and /mo each waited out the pause";
  type_slowly("d", 30ms);
  press(key(Key::Backspace));
  wait(500ms);
  EXPECT_EQ(sent(), Lines{}) << "/mo again";
  press(key(Key::Left));
  wait(50ms);
  press(key(Key::Right));
  wait(500ms);
  EXPECT_EQ(sent(), Lines{}) << "the cursor went away and came back";
}

TEST_F(Completion, SlashAndAtWordsAndSlashCommandArgumentsAsk) {
  struct Case {
    const char* text;
    const char* word;
  };
  const Case asking[] = {{"/model gp", "gp"}, {"hello @fi", "@fi"}, {"/", "/"}, {"/model ", ""}};
  for (const Case& c : asking) {
    set_composer(c.text);
    wait(120ms);
    EXPECT_EQ(sent(), Lines{std::string(R"({"generation":1,"prefix":")") + c.text +
                            R"(","text":")" + c.word + R"(","type":"complete"})"});
  }
  for (const char* text : {"see gp", "hello", "a /x y"}) {
    set_composer(text);
    wait(200ms);
    EXPECT_EQ(sent(), Lines{}) << text;
  }
}

TEST_F(Completion, NoRequestsUnderAPanelOrAPrompt) {
  state.snapshot.panel_title = "Models";
  set_composer("/mo");
  wait(200ms);
  state.snapshot.panel_title.clear();
  state.snapshot.prompt.emplace();
  set_composer("/mod");
  wait(200ms);
  EXPECT_EQ(sent(), Lines{});
}

TEST_F(Completion, LeavingTheWordForgetsWhatWasRequested) {
  type_slowly("/mo", 200ms);
  sent();
  set_composer("hi");
  wait(10ms);
  set_composer("/mo");
  wait(120ms);
  EXPECT_EQ(sent(), Lines{R"({"generation":1,"prefix":"/mo","text":"/mo","type":"complete"})"});
}

TEST_F(Completion, TypingPinsTheTranscriptButMovingDoesNot) {
  type_slowly("ab", 10ms);
  state.follow = false;
  press(key(Key::Left));
  wait(10ms);
  EXPECT_FALSE(state.follow);
  press(ch(U'c'));
  // The frame after the key was drawn before the check: it must draw another.
  state.redraw = false;
  check();
  EXPECT_TRUE(state.follow);
  EXPECT_TRUE(state.redraw);
}

TEST_F(Completion, TheCacheNarrowsLocallyWhileANewRequestStillGoesOut) {
  answer("/m", {"/model", "/mcp"});
  type_slowly("/m", 10ms);
  EXPECT_TRUE(popup());
  EXPECT_EQ(state.overlay.completions, (Candidates{"/model", "/mcp"}));
  type_slowly("o", 10ms);
  EXPECT_TRUE(popup());
  EXPECT_EQ(state.overlay.completion_query, "/mo");
  EXPECT_EQ(state.overlay.completions, Candidates{"/model"});
  wait(120ms);
  EXPECT_EQ(sent(), Lines{R"({"generation":1,"prefix":"/mo","text":"/mo","type":"complete"})"});
}

TEST_F(Completion, ThePopupNeedsCandidatesForTheWordAndNoPanelOrPrompt) {
  answer("/m", {"/model"});
  set_composer("/m");
  EXPECT_TRUE(popup());
  set_composer("/x");
  EXPECT_FALSE(popup());
  set_composer("/m");
  state.snapshot.panel_title = "Models";
  EXPECT_FALSE(popup());
  state.snapshot.panel_title.clear();
  state.snapshot.prompt.emplace();
  EXPECT_FALSE(popup());
  state.snapshot.prompt.reset();
  // An overlay built for another word (earlier in the batch) does not count.
  state.overlay = completion_overlay(state);
  set_composer("/mx");
  EXPECT_FALSE(popup_active(state));
}

TEST_F(Completion, TabRequestsAnyWordAtOnceAndReopensTheCompletion) {
  type_slowly("abc", 10ms);
  state.dismissed_word = "abc";
  state.popup_selection = 3;
  press(key(Key::Tab));
  EXPECT_EQ(sent(), Lines{R"({"generation":1,"prefix":"abc","text":"abc","type":"complete"})"});
  EXPECT_EQ(state.dismissed_word, std::string(1, '\0'));
  EXPECT_EQ(state.popup_selection, 0u);
  EXPECT_FALSE(state.completion_deadline);
  type_slowly(" /x", 10ms);
  press(key(Key::Tab));
  EXPECT_FALSE(state.completion_deadline) << "the pending request went out with the Tab";
  EXPECT_EQ(sent().size(), 1u);
}

TEST_F(Completion, UpAndDownMoveThePopupSelection) {
  answer("/", {"/a", "/b", "/c"});
  set_composer("/");
  const std::pair<Key, std::size_t> steps[] = {
      {Key::Up, 0}, {Key::Down, 1}, {Key::Down, 2}, {Key::Down, 2}, {Key::Up, 1}};
  for (const auto& [k, selection] : steps) {
    press(key(k));
    EXPECT_EQ(state.popup_selection, selection);
  }
  EXPECT_EQ(state.composer.text, "/") << "no history recall";
}

TEST_F(Completion, EscClosesThePopupUntilTheWordChanges) {
  answer("/m", {"/model", "/mcp"});
  set_composer("/m");
  press(key(Key::Esc));
  EXPECT_FALSE(popup());
  EXPECT_EQ(state.last_esc, start - 2s) << "the composer did not see it";
  press(key(Key::Esc));
  EXPECT_EQ(state.last_esc, now) << "with the popup closed, Esc is the composer's";
  type("c");
  EXPECT_TRUE(popup());
  EXPECT_EQ(state.overlay.completions, Candidates{"/mcp"});
}

TEST_F(Completion, TabAcceptsReplacingTheWordStepByStep) {
  answer("see @", {"src/main", "src/lib"});
  set_composer("see @sr");
  state.popup_selection = 7;  // beyond the list: the last candidate
  press(key(Key::Tab));
  EXPECT_EQ(state.composer.text, "see @src/lib ");
  EXPECT_EQ(state.composer.cursor, state.composer.text.size());
  EXPECT_EQ(state.dismissed_word, "@sr");
  EXPECT_EQ(sent(), Lines{});
  // Three backspaces and three inserts, each its own undo step.
  EXPECT_EQ(state.composer.undo_stack.size(), 6u);
  press(ctrl(U'z'));
  EXPECT_EQ(state.composer.text, "see @src/lib");
}

TEST_F(Completion, AcceptingReplacesTheWordBeforeTheCursorEvenWithASelection) {
  // The word "/m" with a combining accent is two graphemes; "x" is selected after it.
  answer("a /m\u0301", {"/model"});
  set_composer("a /m\u0301x");
  state.composer.cursor = 6;
  state.composer.anchor = 7;
  ASSERT_TRUE(popup());
  press(key(Key::Tab));
  EXPECT_EQ(state.composer.text, "a /model x");
}

TEST_F(Completion, EnterOnABareSlashCommandRunsTheSelectedCandidate) {
  answer("/m", {"/model", "/mcp"});
  set_composer("/mo");
  press(key(Key::Enter));
  EXPECT_EQ(sent(), Lines{R"({"generation":1,"mode":"queue","text":"/model","type":"submit"})"});
  EXPECT_EQ(state.composer.text, "");
  EXPECT_EQ(state.composer.sent.back(), "/mo");
}

TEST_F(Completion, EnterInCommandArgumentsSubmitsACompleteWordAndAcceptsOtherwise) {
  answer("/model ", {"x", "xl"});
  set_composer("/model x");
  press(key(Key::Enter));
  EXPECT_EQ(sent(), Lines{R"({"generation":1,"mode":"queue","text":"/model x","type":"submit"})"});

  set_composer("/model ");
  press(key(Key::Down));
  press(key(Key::Enter));
  EXPECT_EQ(sent(), Lines{});
  EXPECT_EQ(state.composer.text, "/model xl ");
}

TEST_F(Completion, EnterOutsideASlashCommandAccepts) {
  answer("hi @", {"notes.md"});
  set_composer("hi @no");
  press(key(Key::Enter));
  EXPECT_EQ(sent(), Lines{});
  EXPECT_EQ(state.composer.text, "hi @notes.md ");
  press(key(Key::Enter));
  EXPECT_EQ(sent(),
            Lines{R"({"generation":1,"mode":"queue","text":"hi @notes.md ","type":"submit"})"})
      << "the popup is closed now";
}

TEST_F(Completion, OtherKeysPassThePopup) {
  answer("/m", {"/model"});
  set_composer("/m");
  press(key(Key::Left));
  press(key(Key::PageUp));
  EXPECT_EQ(state.composer.cursor, 1u);
  EXPECT_FALSE(state.follow);
}

}  // namespace
}  // namespace orvane::app::testing

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dispatch_fixture.hpp"
#include "unicode/case.hpp"

namespace orvane::app::testing {
namespace {

using Lines = std::vector<std::string>;

class Prompt : public DispatchTest {
 protected:
  void SetUp() override {
    state.snapshot.generation = 2;
    state.snapshot.prompt.emplace();
    state.snapshot.prompt->kind = "permission";
    state.snapshot.prompt->id = "p1";
    state.snapshot.prompt->choices = {{"Yes", "allow", "y"},
                                      {"No", "deny", "n", true},
                                      {"Always", "always", "a"},
                                      {"Never", "never", "n"}};
  }
};

TEST_F(Prompt, AChoiceKeyAnswersWithTheFirstEnabledChoiceOfThatKey) {
  press(ch(U'n'));
  EXPECT_EQ(sent(), Lines{R"({"generation":2,"text":"p1","type":"answer","value":"never"})"});
  state.snapshot.prompt->choices.pop_back();
  press(ch(U'n'));
  press(ch(U'Y'));
  press(ch(U'x'));
  EXPECT_EQ(sent(), Lines{}) << "disabled, other case, no such key";
  press(ch(U'y'));
  EXPECT_EQ(sent(), Lines{R"({"generation":2,"text":"p1","type":"answer","value":"allow"})"});
  EXPECT_EQ(state.composer.text, "");
}

TEST_F(Prompt, ArrowsMoveTheSelectionAndEnterAnswersUnlessDisabled) {
  const std::pair<KeyEvent, std::size_t> steps[] = {{key(Key::Up), 0},   {key(Key::Down), 1},
                                                    {key(Key::Tab), 2},  {key(Key::Down), 3},
                                                    {key(Key::Down), 3}, {key(Key::Up), 2}};
  for (const auto& [k, selection] : steps) {
    press(k);
    EXPECT_EQ(state.selection, selection) << k;
  }
  press(key(Key::Enter));
  EXPECT_EQ(sent(), Lines{R"({"generation":2,"text":"p1","type":"answer","value":"always"})"});
  state.selection = 1;
  press(key(Key::Enter));
  state.selection = 9;
  press(key(Key::Enter));
  EXPECT_EQ(sent(), Lines{});
}

TEST_F(Prompt, PageKeysScrollTheBodyAndCtrlCCancelsButEscDoesNot) {
  press(key(Key::PageDown));
  press(key(Key::PageDown));
  press(key(Key::PageUp));
  EXPECT_EQ(state.panel_scroll, 10u);
  press(key(Key::PageUp));
  press(key(Key::PageUp));
  EXPECT_EQ(state.panel_scroll, 0u);
  press(key(Key::Esc));
  press(key(Key::Esc));
  EXPECT_EQ(sent(), Lines{});
  press(ctrl(U'c'));
  EXPECT_EQ(sent(), Lines{R"({"text":"","type":"cancel"})"});
}

TEST_F(Prompt, AQuestionTakesATypedAnswerOnOneLine) {
  state.snapshot.prompt->kind = "question";
  state.snapshot.prompt->choices = {{"Skip", "skip", "s"}};
  type("yes");
  press(ctrl(U'j'));
  press(key(Key::Left));
  press(key(Key::Backspace));
  EXPECT_EQ(state.answer.text, "ys") << "no line breaks; editing keys work";
  EXPECT_EQ(sent(), Lines{});
  type(" ");
  press(key(Key::Enter));
  EXPECT_EQ(sent(), Lines{R"({"generation":2,"text":"p1","type":"answer","value":"y s"})"});
  EXPECT_EQ(state.answer.text, "");
  EXPECT_EQ(state.composer.text, "");
}

TEST_F(Prompt, AQuestionWithABlankAnswerSendsNothingAndAnEmptyOneAnswersTheChoice) {
  state.snapshot.prompt->kind = "question";
  state.snapshot.prompt->choices = {{"Skip", "skip", "s"}};
  type("  ");
  press(key(Key::Enter));
  EXPECT_EQ(sent(), Lines{});
  EXPECT_EQ(state.answer.text, "  ");
  state.answer = {};
  press(key(Key::Enter));
  EXPECT_EQ(sent(), Lines{R"({"generation":2,"text":"p1","type":"answer","value":"skip"})"});
}

class Form : public DispatchTest {
 protected:
  void SetUp() override {
    state.snapshot.generation = 5;
    state.snapshot.form.emplace();
    state.snapshot.form->id = "f1";
    state.form_editor.text = "body";
    state.form_editor.cursor = 4;
  }
};

TEST_F(Form, TypingEditsTheFormAndCountsChanges) {
  now += 1s;
  type("!");
  press(key(Key::Enter));
  EXPECT_EQ(state.form_editor.text, "body!\n");
  EXPECT_EQ(state.form_edits, 2u);
  EXPECT_EQ(state.form_last_edit, now);
  press(key(Key::Left));
  press(key(Key::Backspace, kNone));
  EXPECT_EQ(state.form_edits, 3u);
  press(key(Key::Left));
  press(key(Key::PageDown));
  EXPECT_EQ(state.form_edits, 3u) << "moves change nothing";
  EXPECT_EQ(state.composer.text, "");
  EXPECT_EQ(sent(), Lines{});
}

TEST_F(Form, CtrlSSavesAndCtrlDDeletes) {
  state.form_edits = 7;
  state.form_last_edit = now;
  press(ctrl(U's'));
  EXPECT_EQ(sent(),
            Lines{R"({"body":"body","form":"f1","generation":5,"revision":7,"type":"save"})"});
  EXPECT_FALSE(state.form_last_edit);
  press(ctrl(U'd'));
  EXPECT_EQ(sent(), Lines{R"({"text":"","type":"form_delete"})"});
}

TEST_F(Form, CtrlCCopiesASelection) {
  state.form_editor.anchor = 1;
  press(ctrl(U'c'));
  EXPECT_EQ(sent(), Lines{R"({"text":"ody","type":"copy_text"})"});
}

TEST_F(Form, ClosingSavesOrLeavesADraftUnlessSecret) {
  struct Case {
    bool autosave;
    bool secret;
    KeyEvent key;
    Lines lines;
  };
  const char* dismiss = R"({"text":"","type":"dismiss"})";
  const Case cases[] = {
      {true,
       false,
       key(Key::Esc),
       {R"({"body":"body","form":"f1","generation":5,"revision":1,"type":"save"})", dismiss}},
      {true,
       true,
       ctrl(U'c'),
       {R"({"body":"body","form":"f1","generation":5,"revision":1,"type":"save"})", dismiss}},
      {false,
       false,
       key(Key::Esc),
       {R"({"body":"body","form":"f1","generation":5,"revision":1,"type":"form_draft"})", dismiss}},
      {false, true, ctrl(U'c'), {dismiss}},
  };
  for (const Case& c : cases) {
    state.snapshot.form->autosave = c.autosave;
    state.snapshot.form->secret = c.secret;
    state.form_edits = 1;
    state.form_last_edit = now;
    press(c.key);
    EXPECT_EQ(sent(), c.lines) << c.autosave << c.secret;
    EXPECT_FALSE(state.form_last_edit);
  }
}

class Panel : public DispatchTest {
 protected:
  void SetUp() override {
    state.snapshot.generation = 6;
    state.snapshot.panel_title = "Models · openai";
    for (const char* label : {"GPT-5", "gpt-4o", "Claude", "Éclair"}) {
      bridge::Item item;
      item.label = label;
      item.command = "/model " + unicode::to_lower(label);
      state.snapshot.items.push_back(item);
    }
  }
};

TEST_F(Panel, TypingFiltersAndResetsTheSelection) {
  state.selection = 2;
  type("gP");
  EXPECT_EQ(state.panel_filter, "gP");
  EXPECT_EQ(state.selection, 0u);
  press(key(Key::Down));
  press(key(Key::Down));
  EXPECT_EQ(state.selection, 1u) << "two items match, whatever their case";
  press(key(Key::Enter));
  EXPECT_EQ(sent(), Lines{R"({"generation":6,"text":"/model gpt-4o","type":"pick"})"});
  press(key(Key::Backspace));
  EXPECT_EQ(state.panel_filter, "g");
  EXPECT_EQ(state.selection, 0u);
  EXPECT_EQ(state.composer.text, "");
}

TEST_F(Panel, NonAsciiLettersMatchInEitherCase) {
  type("éC");
  press(key(Key::Down));
  EXPECT_EQ(state.selection, 0u) << "one match";
  press(key(Key::Enter));
  EXPECT_EQ(sent(), Lines{R"({"generation":6,"text":"/model éclair","type":"pick"})"});
  press(key(Key::Backspace));
  EXPECT_EQ(state.panel_filter, "é");
}

TEST_F(Panel, ListKeys) {
  struct Case {
    KeyEvent key;
    Lines lines;
  };
  state.panel_filter = "x";
  state.selection = 0;
  const Case cases[] = {
      {key(Key::Enter), {}},  // nothing matches "x"
      {ctrl(U'f'), {R"({"filter":"x","selection":0,"type":"favorite"})"}},
      {ctrl(U'r'), {R"({"text":"","type":"refresh_models"})"}},
      {ctrl(U's'), {R"({"text":"","type":"model_sort"})"}},
      {ctrl(U'n'), {}},
      {key(Key::Left), {}},
      {key(Key::Esc), {R"({"text":"","type":"dismiss"})"}},
      {ctrl(U'c'), {R"({"text":"","type":"dismiss"})"}},
  };
  for (const Case& c : cases) {
    press(c.key);
    EXPECT_EQ(sent(), c.lines) << c.key;
  }
  state.snapshot.panel_title = "Sessions";
  press(ctrl(U's'));
  EXPECT_EQ(sent(), Lines{}) << "sorting is for model lists";
}

TEST_F(Panel, TabAndPageKeysGiveTheTextTheKeyboard) {
  press(key(Key::Tab));
  EXPECT_TRUE(state.panel_text_focus);
  const std::pair<Key, std::size_t> steps[] = {{Key::Down, 1},      {Key::Down, 2},   {Key::Up, 1},
                                               {Key::PageDown, 11}, {Key::PageUp, 1}, {Key::Up, 0},
                                               {Key::Up, 0}};
  for (const auto& [k, scroll] : steps) {
    press(key(k));
    EXPECT_EQ(state.panel_scroll, scroll) << key(k);
  }
  type("ab");
  EXPECT_EQ(state.panel_filter, "") << "typing does not filter";
  press(key(Key::Enter));
  EXPECT_FALSE(state.panel_text_focus);
  EXPECT_EQ(sent(), Lines{});

  press(key(Key::PageDown));
  EXPECT_TRUE(state.panel_text_focus);
  EXPECT_EQ(state.panel_scroll, 10u);
  press(key(Key::Tab));
  EXPECT_FALSE(state.panel_text_focus);
}

TEST_F(Panel, WithoutItemsKeysScrollTheText) {
  state.snapshot.items.clear();
  press(key(Key::Tab));
  EXPECT_FALSE(state.panel_text_focus);
  press(key(Key::PageDown));
  press(key(Key::Down));
  EXPECT_EQ(state.panel_scroll, 11u);
  EXPECT_FALSE(state.panel_text_focus);
  press(key(Key::Esc));
  EXPECT_EQ(sent(), Lines{R"({"text":"","type":"dismiss"})"});
}

TEST_F(Panel, LeftAndRightStepThroughTheNavigationSkippingHeadings) {
  state.snapshot.nav =
      bridge::Nav{{{"Group", "", true}, {"a", ""}, {"b", ""}, {"More", "", true}, {"c", ""}}, 2};
  struct Case {
    std::int64_t selected;
    Key key;
    Lines lines;
  };
  const Case cases[] = {
      {2, Key::Right, {R"({"generation":6,"text":"4","type":"nav_select"})"}},
      {2, Key::Left, {R"({"generation":6,"text":"1","type":"nav_select"})"}},
      {1, Key::Left, {}},
      {4, Key::Right, {}},
      {-3, Key::Right, {R"({"generation":6,"text":"1","type":"nav_select"})"}},
      {40, Key::Left, {R"({"generation":6,"text":"4","type":"nav_select"})"}},
      {INT64_MAX, Key::Right, {}},
      {INT64_MIN, Key::Left, {}},
  };
  for (const Case& c : cases) {
    state.snapshot.nav->selected = c.selected;
    press(key(c.key));
    EXPECT_EQ(sent(), c.lines) << c.selected << key(c.key);
  }
  state.panel_filter = "a";
  press(key(Key::Right));
  EXPECT_EQ(sent(), Lines{}) << "a filter keeps the arrows for itself";
}

TEST_F(Panel, ProviderUsageRefreshes) {
  state.snapshot.panel_title = "Provider usage";
  state.snapshot.items.clear();
  press(ch(U'r'));
  press(ctrl(U'u'));
  EXPECT_EQ(sent(), (Lines{R"({"text":"/usage","type":"command"})",
                           R"({"text":"/usage","type":"command"})"}));
}

TEST_F(Panel, TheContextPanelRefreshesOnEnter) {
  state.snapshot.panel_title = "Context · as of 12:00";
  press(key(Key::Enter));
  EXPECT_EQ(sent(), Lines{R"({"text":"/context","type":"command"})"});
  press(key(Key::Down));
  EXPECT_EQ(state.selection, 1u) << "other keys are the panel's";
  press(key(Key::Esc));
  EXPECT_EQ(sent(), Lines{R"({"text":"","type":"dismiss"})"});
}

}  // namespace
}  // namespace orvane::app::testing

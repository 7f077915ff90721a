#include "input/messages.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "input/json_writer.hpp"

namespace orvane::input {
namespace {

TEST(Messages, CatalogueOnTheWire) {
  const bridge::JsonValue operation{R"({"kind":"open","path":["a",1]})"};
  bridge::Snapshot with_form;
  with_form.generation = 7;
  with_form.form.emplace();
  with_form.form->id = "f1";
  with_form.form->body = "ignored: the editor's text is sent";
  editor::Editor form_editor;
  form_editor.text = "line 1\nline 2";

  struct Case {
    Message message;
    std::string json;
  };
  const Case cases[] = {
      {submit_message(7, "hi", SubmitMode::kQueue),
       R"({"generation":7,"mode":"queue","text":"hi","type":"submit"})"},
      {submit_message(7, "hi", SubmitMode::kSteer),
       R"({"generation":7,"mode":"steer","text":"hi","type":"submit"})"},
      {submit_message(7, "hi", SubmitMode::kInterrupt),
       R"({"generation":7,"mode":"interrupt","text":"hi","type":"submit"})"},
      {complete_message(3, "/mo", "run /mo"),
       R"({"generation":3,"prefix":"run /mo","text":"/mo","type":"complete"})"},
      {operation_message(2, operation),
       R"({"generation":2,"operation":{"kind":"open","path":["a",1]},"type":"operation"})"},
      {answer_message(1, "perm-4", "allow"),
       R"({"generation":1,"text":"perm-4","type":"answer","value":"allow"})"},
      {nav_select_message(5, 3), R"({"generation":5,"text":"3","type":"nav_select"})"},
      {session_open_message(9, "s1", "/home/w"),
       R"({"generation":9,"text":"s1","type":"session_open","workspace":"/home/w"})"},
      {tab_close_message(9, "s1", "/home/w"),
       R"({"generation":9,"text":"s1","type":"tab_close","workspace":"/home/w"})"},
      {session_actions_message(9, "s1", "/home/w"),
       R"({"generation":9,"text":"s1","type":"session_actions","workspace":"/home/w"})"},
      // The click carries the generation, the key press does not.
      {file_toggle_message(4, "src/a.cpp"),
       R"({"generation":4,"text":"src/a.cpp","type":"file_toggle"})"},
      {action_message("file_toggle", "src/a.cpp"), R"({"text":"src/a.cpp","type":"file_toggle"})"},
      {copy_selection_message(4, "some text"),
       R"({"generation":4,"text":"some text","type":"copy_selection"})"},
      {*save_message(with_form, form_editor, 12),
       R"({"body":"line 1\nline 2","form":"f1","generation":7,"revision":12,"type":"save"})"},
      {*form_draft_message(with_form, form_editor, 0),
       R"({"body":"line 1\nline 2","form":"f1","generation":7,"revision":0,"type":"form_draft"})"},
      {toggle_message(Sidebar::kSessions), R"({"key":"sessions_sidebar","type":"toggle"})"},
      {toggle_message(Sidebar::kDetails), R"({"key":"details_sidebar","type":"toggle"})"},
      {logs_message(true), R"({"open":true,"type":"logs"})"},
      {details_visible_message(false), R"({"open":false,"type":"details_visible"})"},
      {favorite_message(2, "gpt"), R"({"filter":"gpt","selection":2,"type":"favorite"})"},
      {voice_stop(true, false), R"({"discard":true,"send":false,"type":"voice_stop"})"},
      {voice_stop(false, true), R"({"discard":false,"send":true,"type":"voice_stop"})"},
      {voice_stop(false, false), R"({"discard":false,"send":false,"type":"voice_stop"})"},
      {ui_trace_message({"draw p50 1.2ms", "flush p50 0.1ms"}),
       R"({"lines":["draw p50 1.2ms","flush p50 0.1ms"],"type":"ui_trace"})"},
      {ui_trace_message({}), R"({"lines":[],"type":"ui_trace"})"},
      {action_message("quit", ""), R"({"text":"","type":"quit"})"},
      {action_message("command", "/model"), R"({"text":"/model","type":"command"})"},
      {action_message("details_tab", "Files"), R"({"text":"Files","type":"details_tab"})"},
  };
  for (const Case& c : cases) EXPECT_EQ(json_text(c.message), c.json);
}

TEST(Messages, ComposerTextKeepsItsCharactersOnOneLine) {
  const std::string text = "he said \"no\" \\ then\nleft\t\xF0\x9F\x98\x80";
  EXPECT_EQ(json_text(submit_message(1, text, SubmitMode::kQueue)),
            R"({"generation":1,"mode":"queue","text":"he said \"no\" \\ then\nleft\t)"
            "\xF0\x9F\x98\x80"
            R"(","type":"submit"})");
}

bridge::Item item(std::string label, std::string command,
                  std::optional<bridge::JsonValue> operation = std::nullopt) {
  bridge::Item item;
  item.label = std::move(label);
  item.command = std::move(command);
  item.operation = std::move(operation);
  return item;
}

TEST(PickMessage, CountsOnlyItemsMatchingTheFilterIgnoringCase) {
  bridge::Snapshot snapshot;
  snapshot.generation = 11;
  snapshot.items = {item("foo one", "/one"), item("bar", "/bar"), item("Foo two", "/two"),
                    item("\xC3\x84rger", "/umlaut", bridge::JsonValue{R"({"id":3})"})};
  struct Case {
    std::string filter;
    std::size_t n;
    std::optional<std::string> json;
  };
  const Case cases[] = {
      {"FOO", 1, R"({"generation":11,"text":"/two","type":"pick"})"},
      {"FOO", 0, R"({"generation":11,"text":"/one","type":"pick"})"},
      {"FOO", 2, std::nullopt},
      {"", 1, R"({"generation":11,"text":"/bar","type":"pick"})"},
      {"", 4, std::nullopt},
      {"o t", 0, R"({"generation":11,"text":"/two","type":"pick"})"},
      {"zzz", 0, std::nullopt},
      // Lower-casing is not limited to ASCII; an entry with an operation sends it instead.
      {"\xC3\xA4r", 0, R"({"generation":11,"operation":{"id":3},"type":"operation"})"},
  };
  for (const Case& c : cases) {
    const std::optional<Message> message = pick_message(snapshot, c.n, c.filter);
    ASSERT_EQ(message.has_value(), c.json.has_value()) << c.filter << " #" << c.n;
    if (message) {
      EXPECT_EQ(json_text(*message), *c.json) << c.filter << " #" << c.n;
    }
  }
}

TEST(PickMessage, NoneWithoutItems) {
  EXPECT_EQ(pick_message(bridge::Snapshot{}, 0, ""), std::nullopt);
}

TEST(FormMessages, NoneWithoutAForm) {
  editor::Editor form_editor;
  form_editor.text = "draft";
  EXPECT_EQ(save_message(bridge::Snapshot{}, form_editor, 3), std::nullopt);
  EXPECT_EQ(form_draft_message(bridge::Snapshot{}, form_editor, 3), std::nullopt);
}

}  // namespace
}  // namespace orvane::input

#include "input/messages.hpp"

#include <utility>

#include "unicode/case.hpp"

namespace orvane::input {

namespace {

Message typed(std::string_view type) {
  return Message{{"type", std::string(type)}};
}

Message with_generation(std::string_view type, std::uint64_t generation) {
  Message message = typed(type);
  message["generation"] = generation;
  return message;
}

Message session_message(std::string_view type, std::uint64_t generation, std::string_view id,
                        std::string_view workspace) {
  Message message = with_generation(type, generation);
  message["text"] = std::string(id);
  message["workspace"] = std::string(workspace);
  return message;
}

std::optional<Message> form_message(std::string_view type, const bridge::Snapshot& snapshot,
                                    const editor::Editor& form_editor, std::uint64_t edit_count) {
  if (!snapshot.form) return std::nullopt;
  Message message = with_generation(type, snapshot.generation);
  message["form"] = snapshot.form->id;
  message["body"] = form_editor.text;
  message["revision"] = edit_count;
  return message;
}

const char* mode_word(SubmitMode mode) {
  switch (mode) {
    case SubmitMode::kSteer:
      return "steer";
    case SubmitMode::kInterrupt:
      return "interrupt";
    case SubmitMode::kQueue:
      break;
  }
  return "queue";
}

}  // namespace

Message action_message(std::string_view type, std::string_view text) {
  Message message = typed(type);
  message["text"] = std::string(text);
  return message;
}

Message voice_stop(bool esc, bool enter) {
  Message message = typed("voice_stop");
  message["discard"] = esc;
  message["send"] = enter;
  return message;
}

Message submit_message(std::uint64_t generation, std::string_view text, SubmitMode mode) {
  Message message = with_generation("submit", generation);
  message["text"] = std::string(text);
  message["mode"] = std::string(mode_word(mode));
  return message;
}

Message complete_message(std::uint64_t generation, std::string_view word, std::string_view prefix) {
  Message message = with_generation("complete", generation);
  message["text"] = std::string(word);
  message["prefix"] = std::string(prefix);
  return message;
}

Message operation_message(std::uint64_t generation, const bridge::JsonValue& operation) {
  Message message = with_generation("operation", generation);
  message["operation"] = operation;
  return message;
}

std::optional<Message> pick_message(const bridge::Snapshot& snapshot, std::size_t n,
                                    std::string_view filter) {
  const std::string needle = unicode::to_lower(filter);
  std::size_t matched = 0;
  for (const bridge::Item& item : snapshot.items) {
    if (unicode::to_lower(item.label).find(needle) == std::string::npos) continue;
    if (matched++ != n) continue;
    if (item.operation) return operation_message(snapshot.generation, *item.operation);
    Message message = with_generation("pick", snapshot.generation);
    message["text"] = item.command;
    return message;
  }
  return std::nullopt;
}

Message answer_message(std::uint64_t generation, std::string_view prompt_id,
                       std::string_view value) {
  Message message = with_generation("answer", generation);
  message["text"] = std::string(prompt_id);
  message["value"] = std::string(value);
  return message;
}

Message nav_select_message(std::uint64_t generation, std::size_t index) {
  Message message = with_generation("nav_select", generation);
  message["text"] = std::to_string(index);
  return message;
}

Message session_open_message(std::uint64_t generation, std::string_view id,
                             std::string_view workspace) {
  return session_message("session_open", generation, id, workspace);
}

Message tab_close_message(std::uint64_t generation, std::string_view id,
                          std::string_view workspace) {
  return session_message("tab_close", generation, id, workspace);
}

Message session_actions_message(std::uint64_t generation, std::string_view id,
                                std::string_view workspace) {
  return session_message("session_actions", generation, id, workspace);
}

Message file_toggle_message(std::uint64_t generation, std::string_view path) {
  Message message = with_generation("file_toggle", generation);
  message["text"] = std::string(path);
  return message;
}

Message copy_selection_message(std::uint64_t generation, std::string_view text) {
  Message message = with_generation("copy_selection", generation);
  message["text"] = std::string(text);
  return message;
}

std::optional<Message> save_message(const bridge::Snapshot& snapshot,
                                    const editor::Editor& form_editor, std::uint64_t edit_count) {
  return form_message("save", snapshot, form_editor, edit_count);
}

std::optional<Message> form_draft_message(const bridge::Snapshot& snapshot,
                                          const editor::Editor& form_editor,
                                          std::uint64_t edit_count) {
  return form_message("form_draft", snapshot, form_editor, edit_count);
}

Message toggle_message(Sidebar sidebar) {
  Message message = typed("toggle");
  message["key"] =
      std::string(sidebar == Sidebar::kSessions ? "sessions_sidebar" : "details_sidebar");
  return message;
}

Message logs_message(bool open) {
  Message message = typed("logs");
  message["open"] = open;
  return message;
}

Message details_visible_message(bool open) {
  Message message = typed("details_visible");
  message["open"] = open;
  return message;
}

Message favorite_message(std::size_t selection, std::string_view filter) {
  Message message = typed("favorite");
  message["selection"] = std::uint64_t{selection};
  message["filter"] = std::string(filter);
  return message;
}

Message ui_trace_message(std::vector<std::string> lines) {
  Message message = typed("ui_trace");
  message["lines"] = std::move(lines);
  return message;
}

}  // namespace orvane::input

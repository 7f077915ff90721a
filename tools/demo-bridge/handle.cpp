#include "handle.hpp"

#include <algorithm>
#include <charconv>
#include <string>

#include "bridge/printable.hpp"
#include "commands.hpp"
#include "completion.hpp"
#include "conversations.hpp"
#include "forms.hpp"
#include "model_list.hpp"
#include "operations.hpp"
#include "panels.hpp"
#include "sessions_panel.hpp"
#include "turn.hpp"
#include "voice.hpp"

namespace orvane::demo {

namespace {

constexpr std::string_view kTabs[] = {"Session", "Files", "MCP", "Logs"};

void toggle_file(Model& model, const std::string& path) {
  for (bridge::FileChange& file : current(model).files) {
    if (file.path != path) continue;
    file.open = !file.open;
    refresh_details(model);
    note(model, path + (file.open ? " unfolded" : " folded") + " in the Files tab");
    return;
  }
  note(model, "file_toggle: " + bridge::printable(path) + " is not a modified file");
}

void attach_clipboard(Model& model) {
  const std::string name = "clipboard-" + std::to_string(model.attached.size() + 1) + ".png";
  model.attached.push_back(name);
  model.view.attachments = model.attached.size();
  model.view.attachment_lines.clear();
  for (const std::string& file : model.attached) model.view.attachment_lines.push_back("▣ " + file + " (48 KB)");
  note(model, "pasted an image from the clipboard: " + name);
}

void dismiss(Model& model) {
  if (!model.view.panel_title.empty() || model.view.form) {
    note(model, "closed " + (model.view.panel_title.empty() ? std::string("the form") : model.view.panel_title));
    close_panel(model);
  } else if (!model.view.agent_page.empty()) {
    note(model, "left the agent page " + model.view.agent_page);
    model.view.agent_page.clear();
    model.changed = true;
  } else {
    note(model, "dismiss: nothing is open");
  }
}

void select_tab(Model& model, const std::string& tab) {
  if (std::find(std::begin(kTabs), std::end(kTabs), tab) == std::end(kTabs)) {
    note(model, "details_tab: no tab " + bridge::printable(tab));
    return;
  }
  model.view.details_panel.tab = tab;
  model.changed = true;
  note(model, "details tab " + tab);
}

void show_logs(Model& model, bool open) {
  model.view.details_panel.tab = open ? "Logs" : "Session";
  if (open) model.view.details_sidebar = true;
  model.changed = true;
  note(model, open ? "logs shown" : "logs hidden");
}

void toggle_sidebar(Model& model, const std::string& key) {
  bool* flag = key == "sessions_sidebar" ? &model.view.sessions_sidebar
               : key == "details_sidebar" ? &model.view.details_sidebar
                                          : nullptr;
  if (!flag) {
    note(model, "toggle: no sidebar " + bridge::printable(key));
    return;
  }
  *flag = !*flag;
  model.changed = true;
  note(model, key + (*flag ? " opened" : " closed"));
}

void nav_select(Model& model, const std::string& text) {
  std::int64_t index = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
  if (error != std::errc() || end != text.data() + text.size()) {
    note(model, "nav_select: not an index: " + bridge::printable(text));
    return;
  }
  select_nav(model, index);
}

}  // namespace

void handle(Model& model, const Action& a, Time now) {
  if (a.generation && *a.generation != model.view.generation) {
    note(model, "ignored " + bridge::printable(a.type) + " for generation " + std::to_string(*a.generation) +
                    " (now " + std::to_string(model.view.generation) + ")");
    return;
  }
  const std::string& type = a.type;
  if (type == "submit") {
    submit(model, a.text, a.mode, now);
  } else if (type == "complete") {
    complete(model, a.text, a.prefix);
  } else if (type == "operation") {
    run_operation(model, a.operation.value_or(""), now);
  } else if (type == "pick") {
    if (a.text.starts_with('/')) {
      run_command(model, a.text, now);
    } else {
      note(model, "pick: " + bridge::printable(a.text) + " is no command");
    }
  } else if (type == "answer") {
    answer(model, a.text, a.value, now);
  } else if (type == "nav_select") {
    nav_select(model, a.text);
  } else if (type == "session_open") {
    open_conversation(model, a.text, now);
  } else if (type == "tab_close") {
    close_tab(model, a.text, now);
  } else if (type == "session_actions") {
    open_session_actions(model, a.text);
  } else if (type == "file_toggle") {
    toggle_file(model, a.text);
  } else if (type == "copy_selection" || type == "copy_text") {
    note(model, "copied " + std::to_string(a.text.size()) + " bytes (" + type + ")");
  } else if (type == "save") {
    save_form(model, a.form, a.body, a.revision);
  } else if (type == "form_draft") {
    keep_draft(model, a.form, a.body, a.revision);
  } else if (type == "toggle") {
    toggle_sidebar(model, a.key);
  } else if (type == "logs") {
    show_logs(model, a.open);
  } else if (type == "details_visible") {
    note(model, std::string("details sidebar with logs ") + (a.open ? "visible" : "hidden"));
  } else if (type == "favorite") {
    toggle_favorite(model, a.selection, a.filter);
  } else if (type == "voice_stop") {
    stop_voice(model, a.discard, a.send, now);
  } else if (type == "ui_trace") {
    model.trace = a.lines;
    note(model, "ui_trace: " + (a.lines.empty() ? std::string("empty") : a.lines.front()));
  } else if (type == "command") {
    run_command(model, a.text, now);
  } else if (type == "cancel") {
    cancel_turn(model, "Stopped by you", true, now);
  } else if (type == "dismiss") {
    dismiss(model);
  } else if (type == "details_tab") {
    select_tab(model, a.text);
  } else if (type == "quit") {
    note(model, "the client quits");
  } else if (type == "update_help") {
    open_update_panel(model);
  } else if (type == "context_popover") {
    open_context_panel(model);
  } else if (type == "cycle_agent") {
    run_command(model, "/agent", now);
  } else if (type == "cycle_effort") {
    run_command(model, "/effort", now);
  } else if (type == "clipboard") {
    attach_clipboard(model);
  } else if (type == "logs_fold") {
    model.log_folded = !model.log_folded;
    note(model, model.log_folded ? "repeated log lines folded" : "log lines unfolded");
  } else if (type == "form_delete") {
    delete_form(model);
  } else if (type == "refresh_models") {
    refresh_models(model, now);
  } else if (type == "model_sort") {
    sort_models(model);
  } else if (type == "voice_discard") {
    discard_voice(model);
  } else {
    note(model, "unknown message type " + bridge::printable(type));
  }
}

}  // namespace orvane::demo

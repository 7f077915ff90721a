#include "operations.hpp"

#include <string>
#include <utility>

#include "action.hpp"
#include "bridge/printable.hpp"
#include "conversations.hpp"
#include "folding.hpp"
#include "forms.hpp"
#include "panels.hpp"

namespace orvane::demo {

namespace {

std::string field(const std::vector<std::pair<std::string, std::string>>& fields, std::string_view name) {
  for (const auto& [key, value] : fields) {
    if (key == name) return value;
  }
  return "";
}

void toggle_fold(Model& model, const std::string& id) {
  bridge::Content* block = model.transcript.edit_id(id);
  if (!block) return;
  block->collapsed = !block->collapsed;
  note(model, "message " + id + (block->collapsed ? " folded" : " unfolded"));
}

void show_attachments(Model& model, const std::string& id) {
  const auto index = model.transcript.index_of(id);
  if (!index) return;
  const bridge::Content& block = model.transcript.blocks()[*index];
  close_panel(model);
  model.view.panel_title = "Attached to message " + std::to_string(block.number);
  model.view.panel_layout = "drawer";
  for (const std::string& chip : block.chips) model.view.panel_lines.push_back("▣ " + chip);
  note(model, "attachments of " + id + " shown");
}

void open_page(Model& model, const std::string& page) {
  const auto blocks = model.pages.find(current(model).id + "/" + page);
  if (blocks == model.pages.end()) {
    note(model, "no agent page " + page);
    return;
  }
  close_panel(model);
  model.view.agent_page = page;
  model.page.assign(blocks->second);
  note(model, "agent page " + page + " opened (Esc goes back)");
}

void show_file(Model& model, const std::string& path) {
  for (const bridge::FileChange& file : current(model).files) {
    if (file.path != path) continue;
    close_panel(model);
    model.view.panel_title = path + " · +" + std::to_string(file.added) + " -" + std::to_string(file.removed);
    model.view.panel_layout = "dialog";
    for (const std::string& line : file.diff) {
      model.view.panel_lines.push_back(line);
      model.view.panel_tones.push_back(line.starts_with("@@") ? "hunk"
                                       : line.starts_with('+') ? "add"
                                       : line.starts_with('-') ? "del"
                                                               : "dim");
    }
    note(model, "diff of " + path + " shown");
    return;
  }
  note(model, path + " has no recorded change");
}

void toggle_tab(Model& model, const std::string& session, Time now) {
  for (Conversation& c : model.conversations) {
    if (c.id != session) continue;
    if (c.open) {
      close_panel(model);
      close_tab(model, session, now);
      return;
    }
    c.open = true;
    close_panel(model);
    refresh_sessions(model);
    note(model, "session " + session + " opened in a tab");
    return;
  }
}

}  // namespace

void run_operation(Model& model, std::string_view json, Time now) {
  const auto fields = operation_fields(json);
  if (!fields) {
    note(model, "operation that is not an object: " + bridge::printable(json));
    return;
  }
  const std::string action = field(*fields, "action");
  const std::string block = field(*fields, "block");
  const std::string session = field(*fields, "session");
  if (action == "fold") {
    toggle_fold(model, block);
  } else if (action == "attachments") {
    show_attachments(model, block);
  } else if (action == "open_page") {
    open_page(model, field(*fields, "page"));
  } else if (action == "open_file") {
    show_file(model, field(*fields, "path"));
  } else if (action == "expand") {
    unfold_thought(model, block);
  } else if (action == "collapse") {
    fold_thought(model, block);
    note(model, "thought " + block + " folded");
  } else if (action == "context") {
    open_context_panel(model);
  } else if (action == "session_open") {
    open_conversation(model, session, now);
  } else if (action == "rename") {
    open_rename_form(model, session);
  } else if (action == "archive") {
    archive_conversation(model, session, now);
  } else if (action == "tab") {
    toggle_tab(model, session, now);
  } else {
    note(model, "operation not understood: " + bridge::printable(json, 80));
  }
}

}  // namespace orvane::demo

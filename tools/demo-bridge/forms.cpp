#include "forms.hpp"

#include <algorithm>
#include <utility>

#include "conversations.hpp"
#include "panels.hpp"
#include "texts.hpp"

namespace orvane::demo {

namespace {

// Form ids are "<kind>#<number>", a rename form's followed by ":<session>".
std::string_view kind_of(std::string_view id) { return id.substr(0, id.find('#')); }

void open_form(Model& model, std::string title, std::string_view kind, std::string_view session, bridge::Form form) {
  close_panel(model);
  model.view.panel_title = std::move(title);
  model.view.panel_layout = "dialog";
  // A centred panel takes its height from its lines, and a form's body is not one of them:
  // the body's lines, and room for a few more, size the box to the text being edited.
  model.view.panel_lines = split_lines(form.body);
  model.view.panel_lines.resize(model.view.panel_lines.size() + 3);
  form.id = std::string(kind) + "#" + std::to_string(++model.forms_opened);
  // Appended piece by piece: ":" + … draws a false -Wrestrict warning from GCC 12 at -O2.
  if (!session.empty()) form.id.append(":").append(session);
  model.view.form = std::move(form);
  model.changed = true;
}

std::string trimmed(std::string_view text) {
  const std::size_t start = text.find_first_not_of(" \t\n");
  if (start == std::string_view::npos) return "";
  return std::string(text.substr(start, text.find_last_not_of(" \t\n") - start + 1));
}

// "theme = light" in the preferences switches the client to its light palette.
std::string theme_of(std::string_view settings) {
  for (std::size_t at = 0; at < settings.size();) {
    const std::size_t end = std::min(settings.find('\n', at), settings.size());
    const std::string_view line = settings.substr(at, end - at);
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos && trimmed(line.substr(0, equals)) == "theme") {
      return trimmed(line.substr(equals + 1)) == "light" ? "orvane-light" : "";
    }
    at = end + 1;
  }
  return "";
}

}  // namespace

void open_settings_form(Model& model) {
  bridge::Form form;
  form.body = model.settings;
  form.autosave = true;
  form.status = "Saved automatically a moment after you stop typing · try theme = light";
  open_form(model, "Settings · preferences", "settings", "", std::move(form));
}

void open_key_form(Model& model) {
  bridge::Form form;
  form.secret = true;
  form.status = model.api_key.empty() ? "No key stored yet (simulated keychain)" : "A key is stored; typing replaces it";
  open_form(model, "Settings · API key", "api-key", "", std::move(form));
}

void open_rename_form(Model& model, std::string_view session) {
  std::string title;
  for (const Conversation& c : model.conversations) {
    if (c.id == session) title = c.title;
  }
  bridge::Form form;
  form.body = std::move(title);
  form.status = "Ctrl+S renames the session";
  open_form(model, "Rename session", "rename", session, std::move(form));
}

void save_form(Model& model, std::string_view form, const std::string& body, std::uint64_t revision) {
  if (!model.view.form || model.view.form->id != form) {
    note(model, "save for a form that is not open: " + std::string(form));
    return;
  }
  bridge::Form& open = *model.view.form;
  open.revision = revision;
  const std::string_view kind = kind_of(form);
  if (kind == "settings") {
    model.settings = body;
    model.view.theme = theme_of(body);
    open.status = "Saved edit " + std::to_string(revision) + " at " + clock_text() +
                  (model.view.theme.empty() ? " · dark theme" : " · light theme");
    note(model, "preferences saved (edit " + std::to_string(revision) + ")");
  } else if (kind == "api-key") {
    model.api_key = trimmed(body);
    open.status = "Key saved (" + std::to_string(model.api_key.size()) + " characters)";
    // The key itself never goes into the log.
    note(model, "API key saved (" + std::to_string(model.api_key.size()) + " characters)");
  } else if (kind == "rename") {
    rename_conversation(model, form.substr(form.find(':') + 1), trimmed(body));
    close_panel(model);
  }
  model.changed = true;
}

void keep_draft(Model& model, std::string_view form, const std::string& body, std::uint64_t revision) {
  note(model, "draft of " + std::string(form) + " kept (" + std::to_string(body.size()) + " bytes, " +
                  std::to_string(revision) + " edits); it is not applied");
}

void delete_form(Model& model) {
  if (!model.view.form) {
    note(model, "form_delete: no form is open");
    return;
  }
  const std::string kind(kind_of(model.view.form->id));
  if (kind == "settings") {
    model.settings = kSettingsBody;
    model.view.theme.clear();
    open_settings_form(model);
    note(model, "preferences reset to the defaults");
    return;
  }
  if (kind == "api-key") {
    model.api_key.clear();
    note(model, "API key deleted");
  } else {
    note(model, "rename discarded");
  }
  close_panel(model);
}

}  // namespace orvane::demo

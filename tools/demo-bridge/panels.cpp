#include "panels.hpp"

#include <algorithm>
#include <utility>

#include "blocks.hpp"
#include "texts.hpp"

namespace orvane::demo {

std::vector<std::string> split_lines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

void open_panel(Model& model, std::string title, std::string layout) {
  close_panel(model);
  model.view.panel_title = std::move(title);
  model.view.panel_layout = std::move(layout);
  model.changed = true;
}

void open_markdown_panel(Model& model, std::string title, std::string layout, std::string_view text) {
  open_panel(model, std::move(title), std::move(layout));
  model.view.panel_format = "markdown";
  model.view.panel_lines = split_lines(text);
}

void close_panel(Model& model) {
  bridge::Snapshot& view = model.view;
  view.panel_title.clear();
  view.panel_layout.clear();
  view.panel_format.clear();
  view.panel_loading = false;
  view.panel_lines.clear();
  view.panel_tones.clear();
  view.items.clear();
  view.nav.reset();
  view.form.reset();
  model.timers.cancel(Tag::panel);
  model.changed = true;
}

void open_update_panel(Model& model) {
  open_markdown_panel(model, "Update available", "dialog", kUpdateText);
  note(model, "update notes opened");
}

void open_context_panel(Model& model) {
  const std::uint64_t used = model.view.context_used.value_or(0);
  const std::uint64_t window = std::max<std::uint64_t>(model.view.context_window.value_or(1), 1);
  const std::uint64_t percent = used * 100 / window;
  open_panel(model, "Context · as of " + clock_text(), "dialog");
  model.view.panel_lines = {
      "Context window",
      model.view.provider + " / " + model.view.model + " · " + tokens_text(window) + " tokens",
      "Used        " + tokens_text(used) + " (" + std::to_string(percent) + "%)",
      "Messages    " + std::to_string(current(model).messages),
      "Status",
      percent < 50 ? "Plenty of room left" : "Over half full: older turns will be compacted soon",
      "Compaction at 90%",
      "MCP postgres is down, so its tools are not in the context",
      "Nearly full contexts lose detail",
      "Recent changes",
      "@@ src/greeting.py @@",
      "+ GREETINGS table",
      "- import os",
      "Press Enter to refresh",
      "(unrecognised tone)"};
  model.view.panel_tones = {"title",    "dim",   "kv",   "kv",  "header", percent < 50 ? "ok" : "critical", "warn", "bad",
                            "critical", "label", "hunk", "add", "del", "dim",    "unknown"};
}

void open_usage_panel(Model& model) {
  open_panel(model, "Provider usage", "drawer");
  const std::uint64_t used = model.view.context_used.value_or(0);
  model.view.panel_lines = {"Usage this week · as of " + clock_text(),
                            "anthropic    41% of the weekly limit",
                            "openai       12% of the weekly limit",
                            "local        no limit",
                            "This session " + tokens_text(used) + " tokens",
                            "Press r to refresh · Esc closes"};
  model.view.panel_tones = {"title", "kv", "kv", "ok", "kv", "dim"};
}

void open_archived_panel(Model& model) {
  open_panel(model, "Archived sessions", "dialog");
  for (const Conversation& c : model.archived) {
    model.view.items.push_back({c.title + "  — " + c.workspace, "/unarchive " + c.id, std::nullopt, "Archived"});
  }
  if (model.archived.empty()) model.view.panel_lines = {"Nothing is archived."};
}

void open_settings_panel(Model& model) {
  open_panel(model, "Settings", "dialog");
  model.view.items = {{"Preferences — saved as you type", "/settings preferences", std::nullopt, "Settings"},
                      {"API key — hidden while you type", "/settings api-key", std::nullopt, "Settings"}};
}

}  // namespace orvane::demo

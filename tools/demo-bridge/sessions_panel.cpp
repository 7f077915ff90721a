#include "sessions_panel.hpp"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "panels.hpp"

namespace orvane::demo {

namespace {

// Which sessions a navigation entry stands for.
bool in_view(const Conversation& c, std::string_view entry) {
  if (entry == "All sessions") return true;
  if (entry == "Working") return c.status == "working";
  if (entry == "Waiting for you") return c.status == "input";
  if (entry == "Done") return c.status == "done";
  return c.workspace == entry;
}

std::string_view glyph(const Conversation& c) {
  if (c.status == "working") return "◐ ";
  if (c.status == "input") return "● ";
  if (c.status == "done") return "✓ ";
  return "· ";
}

void fill_sessions(Model& model) {
  const bridge::Nav& nav = *model.view.nav;
  const std::string& entry = nav.items.at(static_cast<std::size_t>(nav.selected)).label;
  model.view.items.clear();
  std::size_t open = 0;
  for (const Conversation& c : model.conversations) {
    open += c.open ? 1 : 0;
    if (!in_view(c, entry)) continue;
    std::string label = std::string(glyph(c)) + c.title;
    if (!c.sub.empty()) label += "  — " + c.sub;
    model.view.items.push_back({label, "/open " + c.id, std::nullopt, c.workspace});
  }
  model.view.panel_lines = {std::to_string(model.conversations.size()) + " sessions · " + std::to_string(open) +
                                " open in tabs · showing " + entry,
                            "←/→ change the list · Enter opens · Esc closes"};
  model.changed = true;
}

}  // namespace

void open_sessions_panel(Model& model) {
  open_panel(model, "Sessions", "dialog");
  bridge::Nav nav;
  nav.items.push_back({"Workspaces", "", true});
  std::vector<std::string> workspaces;
  for (const Conversation& c : model.conversations) {
    if (std::find(workspaces.begin(), workspaces.end(), c.workspace) == workspaces.end()) {
      workspaces.push_back(c.workspace);
    }
  }
  for (const std::string& w : workspaces) nav.items.push_back({w, "workspace", false});
  nav.items.push_back({"Status", "", true});
  for (std::string_view s : {"Working", "Waiting for you", "Done", "All sessions"}) {
    nav.items.push_back({std::string(s), "status", false});
  }
  nav.selected = static_cast<std::int64_t>(nav.items.size()) - 1;
  model.view.nav = std::move(nav);
  fill_sessions(model);
}

void select_nav(Model& model, std::int64_t index) {
  auto& nav = model.view.nav;
  if (!nav || index < 0 || index >= static_cast<std::int64_t>(nav->items.size()) ||
      nav->items[static_cast<std::size_t>(index)].heading) {
    note(model, "nav_select " + std::to_string(index) + ": no such entry");
    return;
  }
  nav->selected = index;
  fill_sessions(model);
  note(model, "sessions list: " + nav->items[static_cast<std::size_t>(index)].label);
}

}  // namespace orvane::demo

#include "conversations.hpp"

#include <algorithm>
#include <utility>

#include "blocks.hpp"
#include "panels.hpp"
#include "turn.hpp"

namespace orvane::demo {

namespace {

std::optional<std::size_t> find(const std::vector<Conversation>& list, std::string_view id) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i].id == id) return i;
  }
  return std::nullopt;
}

// What a session that was never shown in this run holds.
std::vector<bridge::Content> earlier_blocks(const Model& model, const Conversation& c) {
  std::vector<bridge::Content> blocks = welcome_blocks(model);
  blocks.push_back(user_block(1, c.title, {}));
  blocks.push_back(markdown_block("a1", "This session ran before the demo started; its history is simulated.\n\n"
                                        "- **" + c.title + "**\n- status: " +
                                            (c.status.empty() ? std::string("idle") : c.status) + "\n"));
  blocks.push_back(summary_block("s1", "Worked for 42.0s · 7 tools · " + tokens_text(c.tokens) + " tokens"));
  return blocks;
}

void show(Model& model, std::size_t index, Time now) {
  // Queued messages go back into the composer, which the new generation empties first.
  if (model.turn.active) cancel_turn(model, "Stopped: you switched sessions", true, now);
  current(model).blocks = model.transcript.blocks();
  model.current = index;
  Conversation& c = current(model);
  c.open = true;
  ++model.view.generation;
  model.view.agent_page.clear();
  if (!c.blocks.empty()) {
    model.transcript.assign(c.blocks);
  } else {
    model.transcript.assign(c.messages == 0 ? welcome_blocks(model) : earlier_blocks(model, c));
  }
  model.view.title = c.title;
  model.view.breadcrumb = c.workspace + " › " + c.title;
  close_panel(model);
  refresh_sessions(model);
  refresh_context(model);
  refresh_details(model);
  note(model, "session " + c.id + " opened (generation " + std::to_string(model.view.generation) + ")");
}

}  // namespace

void new_conversation(Model& model, Time now) {
  Conversation c;
  c.id = "new-" + std::to_string(model.view.generation + 1);
  c.title = "New session";
  c.workspace = current(model).workspace;
  c.group = c.workspace;
  model.conversations.push_back(std::move(c));
  show(model, model.conversations.size() - 1, now);
}

void open_conversation(Model& model, std::string_view id, Time now) {
  const auto index = find(model.conversations, id);
  if (!index) {
    note(model, "no session " + std::string(id));
    return;
  }
  if (*index == model.current) {
    close_panel(model);
    note(model, "session " + std::string(id) + " is already shown");
    return;
  }
  show(model, *index, now);
}

void fork_conversation(Model& model, Time now) {
  Conversation copy = current(model);
  copy.blocks = model.transcript.blocks();
  copy.id = "fork-" + std::to_string(model.view.generation + 1);
  copy.title = "Fork of " + current(model).title;
  copy.status.clear();
  copy.open = true;
  model.conversations.push_back(std::move(copy));
  show(model, model.conversations.size() - 1, now);
}

void close_tab(Model& model, std::string_view id, Time now) {
  const auto index = find(model.conversations, id);
  if (!index || !model.conversations[*index].open) {
    note(model, "tab_close: no open tab " + std::string(id));
    return;
  }
  model.conversations[*index].open = false;
  note(model, "tab " + std::string(id) + " closed");
  if (*index == model.current) {
    for (std::size_t i = 0; i < model.conversations.size(); ++i) {
      if (model.conversations[i].open) {
        show(model, i, now);
        return;
      }
    }
  }
  refresh_sessions(model);
}

void archive_conversation(Model& model, std::string_view id, Time now) {
  const auto index = find(model.conversations, id);
  if (!index || model.conversations.size() == 1) {
    note(model, "archive: cannot archive " + std::string(id));
    return;
  }
  if (*index == model.current) show(model, *index == 0 ? 1 : 0, now);
  const std::size_t at = *find(model.conversations, id);
  Conversation c = std::move(model.conversations[at]);
  model.conversations.erase(model.conversations.begin() + static_cast<std::ptrdiff_t>(at));
  if (model.current > at) --model.current;
  c.open = false;
  c.state = "archived";
  note(model, "session " + c.id + " archived");
  model.archived.push_back(std::move(c));
  close_panel(model);
  refresh_sessions(model);
}

void unarchive_conversation(Model& model, std::string_view id) {
  const auto index = find(model.archived, id);
  if (!index) {
    note(model, "unarchive: no archived session " + std::string(id));
    return;
  }
  Conversation c = std::move(model.archived[*index]);
  model.archived.erase(model.archived.begin() + static_cast<std::ptrdiff_t>(*index));
  c.state = "idle";
  note(model, "session " + c.id + " restored from the archive");
  model.conversations.push_back(std::move(c));
  close_panel(model);
  refresh_sessions(model);
}

void rename_conversation(Model& model, std::string_view id, std::string title) {
  const auto index = find(model.conversations, id);
  if (!index || title.empty()) {
    note(model, "rename: nothing to rename");
    return;
  }
  note(model, "session " + std::string(id) + " renamed to " + title);
  model.conversations[*index].title = std::move(title);
  if (*index == model.current) {
    model.view.title = current(model).title;
    model.view.breadcrumb = current(model).workspace + " › " + current(model).title;
  }
  refresh_sessions(model);
  refresh_details(model);
}

void open_session_actions(Model& model, std::string_view id) {
  const auto index = find(model.conversations, id);
  if (!index) {
    note(model, "session_actions: no session " + std::string(id));
    return;
  }
  const Conversation& c = model.conversations[*index];
  close_panel(model);
  model.view.panel_title = "Session · " + c.title;
  model.view.panel_layout = "drawer";
  const std::string session(id);
  model.view.items = {
      {"Open", "", operation({{"action", "session_open"}, {"session", session}}), ""},
      {"Rename…", "", operation({{"action", "rename"}, {"session", session}}), ""},
      {"Archive", "", operation({{"action", "archive"}, {"session", session}}), ""},
      {c.open ? "Close tab" : "Open in a tab", "", operation({{"action", "tab"}, {"session", session}}), ""},
  };
  note(model, "actions for session " + session);
}

}  // namespace orvane::demo

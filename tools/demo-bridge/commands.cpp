#include "commands.hpp"

#include <chrono>
#include <string>

#include "conversations.hpp"
#include "forms.hpp"
#include "model_list.hpp"
#include "panels.hpp"
#include "sessions_panel.hpp"
#include "texts.hpp"
#include "voice.hpp"

namespace orvane::demo {

namespace {

using namespace std::chrono_literals;

struct AgentInfo {
  std::string_view name;
  std::string_view color;
};
constexpr AgentInfo kAgents[] = {{"build", "$ov-blue"}, {"plan", "$ov-purple"}, {"review", "$ov-success"}};
constexpr std::string_view kEfforts[] = {"low", "medium", "high"};

void cycle_agent(Model& model) {
  std::size_t i = 0;
  while (i < std::size(kAgents) && kAgents[i].name != model.view.agent) ++i;
  const AgentInfo& next = kAgents[(i + 1) % std::size(kAgents)];
  model.view.agent = next.name;
  model.view.agent_color = next.color;
  refresh_details(model);
  note(model, "agent: " + model.view.agent);
}

void cycle_effort(Model& model) {
  std::size_t i = 0;
  while (i < std::size(kEfforts) && kEfforts[i] != model.view.effort) ++i;
  model.view.effort = kEfforts[(i + 1) % std::size(kEfforts)];
  refresh_details(model);
  note(model, "effort: " + model.view.effort);
}

void reconnect(Model& model, Time now) {
  note(model, "reconnecting to the agent host…");
  model.view.breadcrumb = current(model).workspace + " › reconnecting…";
  model.timers.at(now + scaled(model, 700ms), Tag::notice, [](Model& m, Time) {
    m.view.breadcrumb = current(m).workspace + " › " + current(m).title;
    for (bridge::McpRow& row : m.view.details_panel.mcp) {
      if (row.name == "postgres") row = {"success", "postgres", "6 tools"};
    }
    note(m, "reconnected; the postgres MCP server is back");
  });
}

}  // namespace

void run_command(Model& model, std::string_view line, Time now) {
  const std::size_t space = line.find(' ');
  const std::string_view command = line.substr(0, space);
  std::string_view arguments = space == std::string_view::npos ? "" : line.substr(space + 1);
  while (arguments.starts_with(' ')) arguments.remove_prefix(1);
  note(model, "command " + std::string(line));

  if (command == "/new") {
    new_conversation(model, now);
  } else if (command == "/sessions") {
    open_sessions_panel(model);
  } else if (command == "/archived") {
    open_archived_panel(model);
  } else if (command == "/fork") {
    fork_conversation(model, now);
  } else if (command == "/agent") {
    cycle_agent(model);
  } else if (command == "/effort") {
    cycle_effort(model);
  } else if (command == "/model") {
    if (arguments.empty()) {
      open_models_panel(model);
    } else {
      set_model(model, arguments);
    }
  } else if (command == "/context") {
    open_context_panel(model);
  } else if (command == "/hotkeys") {
    open_markdown_panel(model, "Keys", "dialog", kHotkeysText);
  } else if (command == "/help") {
    open_markdown_panel(model, "Help", "page", kHelpText);
  } else if (command == "/usage") {
    open_usage_panel(model);
  } else if (command == "/settings") {
    if (arguments == "preferences") {
      open_settings_form(model);
    } else if (arguments == "api-key") {
      open_key_form(model);
    } else {
      open_settings_panel(model);
    }
  } else if (command == "/reconnect") {
    reconnect(model, now);
  } else if (command == "/voice") {
    start_voice(model, now);
  } else if (command == "/open") {
    open_conversation(model, arguments, now);
  } else if (command == "/unarchive") {
    unarchive_conversation(model, arguments);
  } else {
    note(model, "unknown command: " + std::string(command));
  }
}

}  // namespace orvane::demo

#include "model.hpp"

#include <algorithm>
#include <ctime>
#include <utility>

#include "blocks.hpp"
#include "bridge/printable.hpp"
#include "texts.hpp"

namespace orvane::demo {

namespace {

constexpr std::size_t kLogLines = 300;
constexpr std::uint64_t kSystemTokens = 2100;
constexpr std::uint64_t kToolTokens = 1400;

std::vector<Conversation> other_conversations(const std::string& workspace) {
  auto make = [](std::string id, std::string title, std::string workspace, std::string group, std::string status,
                 std::string sub, bool open) {
    Conversation c;
    c.id = std::move(id);
    c.title = std::move(title);
    c.workspace = std::move(workspace);
    c.group = std::move(group);
    c.status = std::move(status);
    c.sub = std::move(sub);
    c.state = "idle";
    c.open = open;
    c.messages = 3;
    c.tokens = 18'400;
    return c;
  };
  return {
      make("s-cache", "Refactor the render cache", workspace, workspace, "working", "editing cache.cpp", true),
      make("s-readme", "Write the README", workspace, workspace, "done", "2 files changed · 1h ago", false),
      make("s-deploy", "Fix the deploy script", "infra", "infra", "input", "waiting for permission", true),
      make("s-landing", "Landing page copy", "website", "website", "", "", false),
  };
}

// A log line without its time, for folding repeats together.
std::string_view message_of(std::string_view line) {
  const std::size_t space = line.find(' ');
  return space == std::string_view::npos ? line : line.substr(space + 1);
}

std::vector<std::string> shown_log(const Model& model) {
  std::vector<std::string> lines;
  std::size_t repeats = 1;
  for (std::size_t i = 0; i < model.log.size(); ++i) {
    const bool repeat_follows = model.log_folded && i + 1 < model.log.size() &&
                                message_of(model.log[i + 1]) == message_of(model.log[i]);
    if (repeat_follows) {
      ++repeats;
      continue;
    }
    lines.push_back(repeats > 1 ? model.log[i] + " (×" + std::to_string(repeats) + ")" : model.log[i]);
    repeats = 1;
  }
  return lines;
}

bridge::Content strip_for(std::uint64_t tokens) {
  return context_strip("context", {{"System", kSystemTokens, "$ov-blue"},
                                   {"Tools", kToolTokens, "$ov-cyan"},
                                   {"Messages", tokens * 7 / 10, "$ov-purple"},
                                   {"Files", tokens - tokens * 7 / 10, "$ov-warning"}});
}

const ModelInfo* model_info(const Model& model) {
  for (const ModelInfo& info : model.models) {
    if (info.name == model.view.model) return &info;
  }
  return nullptr;
}

}  // namespace

Model initial_model(double speed, std::filesystem::path root) {
  Model model;
  model.speed = speed;
  model.root = std::move(root);
  model.models = {
      {"anthropic", "claude-opus-4-1", 200'000}, {"anthropic", "claude-sonnet-4-5", 200'000},
      {"anthropic", "claude-haiku-4-5", 200'000}, {"openai", "gpt-5", 400'000},
      {"openai", "gpt-5-mini", 400'000},          {"openai", "o4-mini", 200'000},
      {"local", "qwen2.5-coder-32b", 32'768},     {"local", "llama-3.3-70b", 128'000},
  };
  model.favorites = {"claude-sonnet-4-5"};
  model.settings = kSettingsBody;

  std::string workspace = model.root.filename().string();
  if (workspace.empty()) workspace = "workspace";
  Conversation demo;
  demo.id = "demo";
  demo.title = "Demo session";
  demo.workspace = workspace;
  demo.group = workspace;
  demo.state = "new";
  demo.open = true;
  model.conversations.push_back(std::move(demo));
  for (Conversation& other : other_conversations(workspace)) model.conversations.push_back(std::move(other));
  Conversation spike;
  spike.id = "s-graphics";
  spike.title = "Spike: terminal graphics";
  spike.workspace = workspace;
  spike.group = workspace;
  spike.state = "archived";
  model.archived.push_back(std::move(spike));

  bridge::Snapshot& view = model.view;
  view.generation = 1;
  view.title = "Demo session";
  view.status = "idle";
  view.breadcrumb = workspace + " › Demo session";
  view.agent = "build";
  view.agent_color = "$ov-blue";
  view.model = "claude-sonnet-4-5";
  view.provider = "anthropic";
  view.effort = "medium";
  view.history = {"explain the build files", "run the tests and fix what fails"};
  view.update_notice = "Orvane 0.2.0 available";
  view.details_panel.tab = "Session";
  view.details_panel.mcp = {{"success", "filesystem", "12 tools"},
                            {"success", "git", "8 tools"},
                            {"warning", "github", "rate limited · retry in 40s"},
                            {"error", "postgres", "connection refused"},
                            {"plain-error", "legacy-search (failed to start)", ""},
                            {"plain-off", "browser (disabled)", ""}};
  model.transcript.assign(welcome_blocks(model));
  refresh_sessions(model);
  refresh_context(model);
  refresh_details(model);
  return model;
}

std::string clock_text() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%H:%M:%S", &local);
  return text;
}

Conversation& current(Model& model) { return model.conversations.at(model.current); }

Transcript& shown(Model& model) { return model.view.agent_page.empty() ? model.transcript : model.page; }

Time scaled(const Model& model, Time delay) {
  return Time(static_cast<Time::rep>(static_cast<double>(delay.count()) / model.speed));
}

void note(Model& model, std::string_view text) {
  // Log lines quote what the user typed; keep them to one printable line.
  std::string line = clock_text() + " " + bridge::printable(text, 2000);
  if (model.log_file) {
    std::fprintf(model.log_file, "%s\n", line.c_str());
    std::fflush(model.log_file);
  }
  model.log.push_back(std::move(line));
  while (model.log.size() > kLogLines) model.log.pop_front();
  model.view.logs = shown_log(model);
  model.changed = true;
}

void refresh_sessions(Model& model) {
  bridge::Snapshot& view = model.view;
  view.sessions.clear();
  view.tabs.clear();
  for (std::size_t i = 0; i < model.conversations.size(); ++i) {
    const Conversation& c = model.conversations[i];
    bridge::Session session{c.group, c.id, c.title, c.workspace, c.state, c.status, c.sub, i == model.current};
    if (c.open) view.tabs.push_back(session);
    view.sessions.push_back(std::move(session));
  }
  view.archived_label = model.archived.empty() ? "" : "Archived · " + std::to_string(model.archived.size());
  model.changed = true;
}

void refresh_details(Model& model) {
  const Conversation& c = current(model);
  bridge::DetailsPanel& details = model.view.details_panel;
  const std::uint64_t used = model.view.context_used.value_or(0);
  const std::uint64_t window = model.view.context_window.value_or(0);
  details.session = {{"Session", c.id},
                     {"Title", c.title},
                     {"Workspace", model.root.string()},
                     {"Model", model.view.provider + " / " + model.view.model},
                     {"Agent", model.view.agent},
                     {"Effort", model.view.effort},
                     {"Messages", std::to_string(c.messages)},
                     {"Context", tokens_text(used) + " of " + tokens_text(window)},
                     {"Bridge", "orvane-demo (simulated, nothing is sent to a model)"}};
  details.logs_header = {{"Session", c.id}, {"Log file", model.log_path.empty() ? "none" : model.log_path}};
  details.files = c.files;
  std::uint64_t added = 0, removed = 0;
  for (const bridge::FileChange& file : c.files) added += file.added, removed += file.removed;
  details.files_summary = c.files.empty() ? ""
                                          : std::to_string(c.files.size()) + " files changed · +" +
                                                std::to_string(added) + " -" + std::to_string(removed);
  model.view.logs = shown_log(model);
  model.changed = true;
}

void refresh_context(Model& model) {
  const Conversation& c = model.conversations.at(model.current);
  const ModelInfo* info = model_info(model);
  const std::uint64_t window = info ? info->window : 200'000;
  const std::uint64_t used = std::min(kSystemTokens + kToolTokens + c.tokens, window);
  model.view.context_used = used;
  model.view.context_window = window;
  model.view.context_label = tokens_text(used) + "/" + tokens_text(window);
  const bridge::Content strip = strip_for(c.tokens);
  if (const auto index = model.transcript.index_of("context");
      index && model.transcript.blocks()[*index] != strip) {
    model.transcript.edit(*index) = strip;
  }
  model.changed = true;
}

std::vector<bridge::Content> welcome_blocks(const Model& model) {
  const std::uint64_t tokens = model.conversations.empty() ? 0 : model.conversations[model.current].tokens;
  return {hints_block(kHints), strip_for(tokens)};
}

void set_status(Model& model, std::string status) {
  Conversation& c = current(model);
  if (status == "working") {
    c.status = "working";
    c.sub = "working on message " + std::to_string(c.messages);
  } else if (status == "awaiting_permission" || status == "awaiting_input") {
    c.status = "input";
    c.sub = status == "awaiting_permission" ? "waiting for permission" : "waiting for an answer";
  } else {
    c.status = c.messages > 0 ? "done" : "";
    c.sub = std::to_string(c.messages) + (c.messages == 1 ? " message" : " messages");
  }
  model.view.status = std::move(status);
  refresh_sessions(model);
}

void run_due(Model& model, Time now) {
  while (auto task = model.timers.take_due(now)) (*task)(model, now);
}

}  // namespace orvane::demo

#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "bridge/snapshot.hpp"
#include "scheduler.hpp"
#include "time.hpp"
#include "transcript.hpp"

namespace orvane::demo {

// One conversation of the sessions list. The one shown keeps its blocks in
// Model::transcript while it is shown.
struct Conversation {
  std::string id;
  std::string title;
  std::string workspace;
  std::string group;
  std::string status;  // "working", "input", "done" or ""
  std::string sub;
  std::string state;
  bool open = false;  // open as a tab
  std::vector<bridge::Content> blocks;
  std::vector<bridge::FileChange> files;
  std::uint32_t messages = 0;
  std::uint64_t tokens = 0;
};

struct Step {
  Time delay;
  Task run;
};

// The agent's reply to one message, played as a script of timed steps.
struct Turn {
  bool active = false;
  std::uint32_t number = 0;
  Time started{0};
  std::vector<Step> steps;
  std::size_t next = 0;
  // The prompt the script waits for, and what follows each answer.
  std::string prompt_id;
  std::function<std::vector<Step>(const std::string& value)> on_answer;
  std::uint32_t tools = 0;
  std::uint32_t edits = 0;
  std::uint64_t tokens = 0;
};

struct ModelInfo {
  std::string provider;
  std::string name;
  std::uint64_t window = 0;
};

struct Model {
  bridge::Snapshot view;  // everything sent but the transcript
  Transcript transcript;  // the conversation shown
  Transcript page;        // the agent page, while one is shown
  std::map<std::string, std::vector<bridge::Content>> pages;
  std::vector<Conversation> conversations;
  std::size_t current = 0;
  std::vector<Conversation> archived;

  Turn turn;
  std::deque<std::string> queued;
  std::vector<std::string> attached;                // waiting to go with the next message
  std::map<std::string, bridge::Content> unfolded;  // collapsed blocks, by id, as they were
  Scheduler timers;
  bool auto_approve = false;  // "Allow for this session" was chosen

  std::vector<ModelInfo> models;
  bool models_by_name = false;
  std::set<std::string> favorites;
  std::string settings;
  std::string api_key;
  std::uint64_t forms_opened = 0;  // numbers form ids, so a form opened again reloads
  std::size_t voice_words = 0;
  bool voice_send = false;

  std::FILE* log_file = nullptr;
  std::string log_path;
  std::deque<std::string> log;
  bool log_folded = false;
  std::vector<std::string> trace;  // the client's latest timing summary

  double speed = 1;
  std::filesystem::path root;  // where "@" completion looks for files
  bool changed = true;         // something to send
};

// The demo session as it starts: a welcome transcript and a few other sessions around it.
// `speed` divides every delay of the script; `root` is the directory "@" lists.
Model initial_model(double speed, std::filesystem::path root);

Conversation& current(Model& model);
Transcript& shown(Model& model);
Time scaled(const Model& model, Time delay);

// The wall-clock time as "HH:MM:SS".
std::string clock_text();

// Appends a line to the log file and to the logs the client shows.
void note(Model& model, std::string_view text);

// Rebuild the parts of the view derived from the model's records.
void refresh_sessions(Model& model);
void refresh_details(Model& model);
void refresh_context(Model& model);

// The welcome blocks of a fresh conversation.
std::vector<bridge::Content> welcome_blocks(const Model& model);

// Sets the agent's status word and the session's sidebar status with it.
void set_status(Model& model, std::string status);

void run_due(Model& model, Time now);

}  // namespace orvane::demo

#pragma once
// Runs the session model without a client process: a clock of its own, and every line the
// model sends goes through a ClientView, one line per batch.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "action.hpp"
#include "client_view.hpp"
#include "handle.hpp"
#include "input/json_writer.hpp"
#include "input/message.hpp"
#include "model.hpp"
#include "publish.hpp"

namespace orvane::demo::testing {

using namespace std::chrono_literals;

struct Driver {
  Model model;
  Publisher publisher;
  Time now{0};
  std::vector<std::string> lines;
  ClientView client;

  explicit Driver(std::filesystem::path root = std::filesystem::current_path())
      : model(initial_model(1.0, std::move(root))) {
    flush();
  }

  // Sends a line when something changed; true when one went out.
  bool flush() {
    const auto line = take_line(model, publisher);
    if (!line) return false;
    lines.push_back(*line);
    EXPECT_TRUE(client.apply({*line}));
    return true;
  }

  // Runs the timers due within `limit`, one at a time, sending what each changed.
  void advance(Time limit) {
    const Time end = now + limit;
    while (const auto due = model.timers.next_due()) {
      if (*due > end) break;
      now = std::max(now, *due);
      run_due(model, now);
      flush();
    }
    now = end;
    flush();
  }

  // Runs the timers until none is left: the turn is done or waits for an answer.
  void settle() { advance(600s); }

  void send(Action action) {
    handle(model, action, now);
    flush();
  }

  // A message as the client writes it, read back the way the bridge reads its lines.
  void send_line(const input::Message& message) {
    const std::string line = input::json_text(message);
    const auto action = parse_action(line);
    ASSERT_TRUE(action) << line;
    send(*action);
  }

  Action message(std::string type, std::string text = "") const {
    Action action;
    action.type = std::move(type);
    action.text = std::move(text);
    action.generation = model.view.generation;
    return action;
  }

  void submit(std::string text, std::string mode = "queue") {
    Action action = message("submit", std::move(text));
    action.mode = std::move(mode);
    send(action);
  }

  void answer(std::string value) {
    Action action = message("answer", client.current.prompt ? client.current.prompt->id : "");
    action.value = std::move(value);
    send(action);
  }

  const bridge::Snapshot& shown() const { return client.current; }

  const bridge::Content* block(std::string_view id) const {
    for (const bridge::Content& b : client.current.blocks) {
      if (b.id == id) return &b;
    }
    return nullptr;
  }

  std::size_t count_kind(std::string_view kind) const {
    return static_cast<std::size_t>(std::count_if(client.current.blocks.begin(), client.current.blocks.end(),
                                                  [&](const bridge::Content& b) { return b.kind == kind; }));
  }

  bool logged(std::string_view text) const {
    return std::any_of(model.log.begin(), model.log.end(),
                       [&](const std::string& line) { return line.find(text) != std::string::npos; });
  }
};

}  // namespace orvane::demo::testing

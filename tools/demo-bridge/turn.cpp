#include "turn.hpp"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "blocks.hpp"
#include "commands.hpp"
#include "folding.hpp"
#include "turn_script.hpp"

namespace orvane::demo {

namespace {

std::string first_line(std::string_view text, std::size_t limit) {
  std::string line(text.substr(0, text.find('\n')));
  if (line.size() > limit) {
    std::size_t cut = limit;
    // Never cut a UTF-8 sequence in half.
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
    line = line.substr(0, cut) + "…";
  }
  return line;
}

std::string seconds_text(Time elapsed) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1fs", static_cast<double>(elapsed.count()) / 1000.0);
  return text;
}

void refresh_queue(Model& model) {
  model.view.queue_lines.clear();
  for (const std::string& text : model.queued) model.view.queue_lines.push_back("queued: " + first_line(text, 60));
  model.changed = true;
}

// Files mentioned as "@path" go with the message as chips.
std::vector<std::string> mentioned_files(std::string_view text) {
  std::vector<std::string> chips;
  for (std::size_t at = text.find('@'); at != std::string_view::npos; at = text.find('@', at + 1)) {
    if (at > 0 && text[at - 1] != ' ' && text[at - 1] != '\n') continue;
    std::size_t end = at + 1;
    while (end < text.size() && text[end] != ' ' && text[end] != '\n') ++end;
    if (end > at + 1) chips.emplace_back(text.substr(at + 1, end - at - 1));
  }
  return chips;
}

void steer(Model& model, const std::string& text) {
  const std::string id = "steer" + std::to_string(model.turn.number) + "-" + std::to_string(model.transcript.size());
  model.transcript.append(context_badge(id, "steer", "applied to the running turn", text, "$ov-warning"));
  model.turn.tokens += text.size() / 4 + 1;
  note(model, "steer into message " + std::to_string(model.turn.number) + ": " + first_line(text, 80));
}

// Tool groups of the turn that still run are marked cancelled.
void stop_running_tools(Model& model, std::uint32_t number) {
  const std::string user_id = "u" + std::to_string(number);
  const std::size_t start = model.transcript.index_of(user_id).value_or(0);
  for (std::size_t i = start; i < model.transcript.size(); ++i) {
    if (model.transcript.blocks()[i].status != "running") continue;
    bridge::Content& group = model.transcript.edit(i);
    group.status.clear();
    group.text += " (cancelled)";
    for (bridge::Content& member : group.members) {
      if (member.status != "running") continue;
      member.status = "failed";
      member.detail = "  reason: cancelled";
      ++group.failures;
    }
  }
}

}  // namespace

void submit(Model& model, std::string text, std::string_view mode, Time now) {
  if (text.starts_with('/')) {
    run_command(model, text, now);
    return;
  }
  if (text.find_first_not_of(" \t\n") == std::string::npos) {
    if (model.attached.empty()) {
      note(model, "empty message ignored");
      return;
    }
    text = "(attachments only)";
  }
  if (!model.turn.active) {
    note(model, "submit (" + std::string(mode) + ")");
    start_turn(model, std::move(text), now);
  } else if (mode == "steer") {
    steer(model, text);
  } else if (mode == "interrupt") {
    note(model, "interrupt: message " + std::to_string(model.turn.number) + " gives way to a new one");
    cancel_turn(model, "Interrupted by a new message", false, now);
    start_turn(model, std::move(text), now);
  } else {
    note(model, "queued while the agent works: " + first_line(text, 80));
    model.queued.push_back(std::move(text));
    refresh_queue(model);
  }
}

void start_turn(Model& model, std::string text, Time now) {
  Conversation& conversation = current(model);
  const std::uint32_t number = ++conversation.messages;
  std::vector<std::string> chips = std::move(model.attached);
  model.attached.clear();
  for (std::string& file : mentioned_files(text)) chips.push_back(std::move(file));
  model.view.attachments = 0;
  model.view.attachment_lines.clear();

  model.transcript.append(user_block(number, text, chips));
  if (!chips.empty()) {
    std::string list;
    for (const std::string& chip : chips) list += chip + "\n";
    model.transcript.append(context_badge("c" + std::to_string(number), "context",
                                          std::to_string(chips.size()) + " attached", list, "$ov-cyan"));
  }
  if (number == 1) {
    conversation.title = first_line(text, 40);
    model.view.title = conversation.title;
    model.view.breadcrumb = conversation.workspace + " › " + conversation.title;
  }

  model.turn = Turn{};
  model.turn.active = true;
  model.turn.number = number;
  model.turn.started = now;
  model.turn.tokens = 400 + text.size() / 4;
  model.turn.steps = turn_script(model, number, text);
  note(model, "message " + std::to_string(number) + ": " + first_line(text, 80));
  set_status(model, "running");
  refresh_details(model);
  continue_turn(model, now);
}

void continue_turn(Model& model, Time now) {
  const Turn& turn = model.turn;
  // A step may finish the turn and start a queued one, which schedules its own first step.
  if (!turn.active || !turn.prompt_id.empty() || turn.next >= turn.steps.size() || model.timers.pending(Tag::turn)) {
    return;
  }
  model.timers.at(now + scaled(model, turn.steps[turn.next].delay), Tag::turn, [](Model& m, Time at) {
    Task run = std::move(m.turn.steps[m.turn.next].run);
    ++m.turn.next;
    run(m, at);
    m.changed = true;
    continue_turn(m, at);
  });
}

void finish_turn(Model& model, Time now) {
  Turn& turn = model.turn;
  const std::string number = std::to_string(turn.number);
  const bool failed = model.transcript.index_of("e" + number).has_value();
  if (!failed) {
    std::string summary = "Worked for " + seconds_text(now - turn.started) + " · " + std::to_string(turn.tools) +
                          " tools";
    if (turn.edits > 0) summary += " · " + std::to_string(turn.edits) + (turn.edits == 1 ? " edit" : " edits");
    summary += " · " + tokens_text(turn.tokens) + " tokens";
    model.transcript.append(summary_block("s" + number, summary));
  }
  fold_thought(model, "t" + number);
  current(model).tokens += turn.tokens;
  note(model, "message " + number + (failed ? " ended with an error" : " answered") + " after " +
                  seconds_text(now - turn.started));
  turn = Turn{};
  model.timers.cancel(Tag::turn);
  model.view.prompt.reset();
  set_status(model, "idle");
  refresh_context(model);
  refresh_details(model);
  if (!model.queued.empty()) {
    std::string next = std::move(model.queued.front());
    model.queued.pop_front();
    refresh_queue(model);
    start_turn(model, std::move(next), now);
  }
}

void cancel_turn(Model& model, std::string_view reason, bool restore_queue, Time now) {
  Turn& turn = model.turn;
  if (!turn.active) {
    note(model, "cancel: nothing is running");
    return;
  }
  const std::string number = std::to_string(turn.number);
  model.timers.cancel(Tag::turn);
  model.view.prompt.reset();
  stop_running_tools(model, turn.number);
  model.transcript.append(summary_block("s" + number, std::string(reason) + " after " + seconds_text(now - turn.started)));
  fold_thought(model, "t" + number);
  current(model).tokens += turn.tokens / 2;
  note(model, "message " + number + ": " + std::string(reason));
  turn = Turn{};
  if (restore_queue && !model.queued.empty()) {
    std::string text;
    for (const std::string& queued : model.queued) text += (text.empty() ? "" : "\n\n") + queued;
    model.view.restore += text;
    model.queued.clear();
    refresh_queue(model);
    note(model, "queued messages put back into the composer");
  }
  set_status(model, "idle");
  refresh_context(model);
  refresh_details(model);
}

void answer(Model& model, std::string_view prompt_id, const std::string& value, Time now) {
  const auto& prompt = model.view.prompt;
  if (!prompt || prompt->id != prompt_id || model.turn.prompt_id != prompt_id) {
    note(model, "answer for a prompt that is gone: " + std::string(prompt_id));
    return;
  }
  const auto choice = std::find_if(prompt->choices.begin(), prompt->choices.end(),
                                   [&](const bridge::Choice& c) { return c.value == value; });
  if (choice != prompt->choices.end() && choice->disabled) {
    note(model, "refused: the choice \"" + choice->label + "\" is not available");
    return;
  }
  if (choice == prompt->choices.end() && prompt->kind != "question") {
    note(model, "refused: \"" + first_line(value, 40) + "\" is not a choice of " + std::string(prompt_id));
    return;
  }
  note(model, "prompt " + std::string(prompt_id) + " answered: " + first_line(value, 60));
  Turn& turn = model.turn;
  std::vector<Step> steps = turn.on_answer(value);
  turn.prompt_id.clear();
  turn.on_answer = nullptr;
  model.view.prompt.reset();
  turn.steps.insert(turn.steps.begin() + static_cast<std::ptrdiff_t>(turn.next),
                    std::make_move_iterator(steps.begin()), std::make_move_iterator(steps.end()));
  set_status(model, "running");
  continue_turn(model, now);
}

}  // namespace orvane::demo

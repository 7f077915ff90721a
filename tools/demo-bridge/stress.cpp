#include "stress.hpp"

#include <algorithm>

#include "blocks.hpp"
#include "line_diff.hpp"
#include "texts.hpp"

namespace orvane::demo {

namespace {

// How many steps a tool group spins before it finishes.
constexpr std::uint32_t kSpinSteps = 6;

std::uint32_t next_random(Stress& stress) {
  std::uint32_t x = stress.random;
  x ^= x << 13;
  x ^= x >> 17;
  x ^= x << 5;
  return stress.random = x;
}

const FileDiff& greeting_diff() {
  static const FileDiff diff = line_diff(kGreetingBefore, kGreetingAfter);
  return diff;
}

void append_block(Stress& stress, Model& model) {
  const std::string n = std::to_string(model.transcript.size());
  switch (next_random(stress) % 6) {
    case 0:
      model.transcript.append(user_block(static_cast<std::uint32_t>(stress.steps % 100'000 + 1),
                                         "Stress message " + n + ": keep going", {}));
      break;
    case 1: {
      bridge::Content thought = thought_block("t" + n);
      thought.text = "0.4s";
      thought.detail = "Thinking about block " + n + ".";
      model.transcript.append(std::move(thought));
      break;
    }
    case 2: {
      bridge::Content group = tool_group("g" + n, "Running step " + n);
      group.members = {tool_member("Bash", "make -j8 step" + n)};
      model.transcript.append(std::move(group));
      stress.running.push_back("g" + n);
      break;
    }
    case 3:
      model.transcript.append(diff_block("d" + n, std::string(kGreetingPath), greeting_diff()));
      break;
    case 4:
      model.transcript.append(summary_block("s" + n, "Worked for 0.8s · step " + n));
      break;
    default:
      model.transcript.append(markdown_block("a" + n, "## Answer " + n + "\n\nA first sentence."));
      break;
  }
}

void grow_tail(Model& model) {
  bridge::Content& last = model.transcript.edit(model.transcript.size() - 1);
  last.text += " Another sentence streams in, with `code` and **bold** words.";
}

void finish_oldest(Stress& stress, Model& model) {
  const std::string id = stress.running.front();
  stress.running.erase(stress.running.begin());
  bridge::Content* group = model.transcript.edit_id(id);
  if (!group) return;
  group->status.clear();
  group->count = 1;
  group->members[0].status.clear();
  group->members[0].detail = "  exit: 0\n  duration: 0.2s";
}

}  // namespace

bool stress_step(Stress& stress, Model& model) {
  ++stress.steps;
  const bool growing = model.transcript.size() < stress.target;
  if (!stress.running.empty() && (!growing || stress.steps % kSpinSteps == 0)) {
    finish_oldest(stress, model);
  } else if (growing) {
    const bool tail_is_answer = model.transcript.blocks().back().kind == "markdown";
    if (tail_is_answer && next_random(stress) % 3 != 0) {
      grow_tail(model);
    } else {
      append_block(stress, model);
    }
  } else {
    // The status stays busy, so the client keeps drawing and sends a last timing summary.
    return false;
  }
  if (model.view.status != "running") set_status(model, "running");
  model.changed = true;
  return true;
}

}  // namespace orvane::demo

#include "turn_script.hpp"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <utility>

#include "blocks.hpp"
#include "line_diff.hpp"
#include "texts.hpp"
#include "turn.hpp"

namespace orvane::demo {

namespace {

using namespace std::chrono_literals;

template <typename Run>
Step step(Time delay, Run run) {
  return {delay, Task(std::move(run))};
}

template <typename Edit>
void edit_block(Model& model, const std::string& id, Edit edit) {
  if (bridge::Content* block = model.transcript.edit_id(id)) edit(*block);
}

// Appends the answer `id` and lets it grow a few lines at a time.
void stream(std::vector<Step>& steps, const std::string& id, std::string_view text, std::size_t lines_per_step,
            Time every) {
  std::vector<std::size_t> ends;
  std::size_t lines = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '\n' && ++lines % lines_per_step == 0) ends.push_back(at + 1);
  }
  if (ends.empty() || ends.back() != text.size()) ends.push_back(text.size());
  for (std::size_t i = 0; i < ends.size(); ++i) {
    const std::string shown(text.substr(0, ends[i]));
    const std::uint64_t tokens = (ends[i] - (i == 0 ? 0 : ends[i - 1])) / 4 + 1;
    steps.push_back(step(i == 0 ? 200ms : every, [id, shown, first = i == 0, tokens](Model& m, Time) {
      m.turn.tokens += tokens;
      if (first) {
        m.transcript.append(markdown_block(id, shown));
      } else {
        edit_block(m, id, [&](bridge::Content& block) { block.text = shown; });
      }
    }));
  }
}

void record_edit(Model& model, const std::string& path, std::string_view before, std::string_view after) {
  const FileDiff diff = line_diff(before, after);
  auto& files = current(model).files;
  auto file = std::find_if(files.begin(), files.end(), [&](const bridge::FileChange& f) { return f.path == path; });
  if (file == files.end()) {
    file = files.insert(files.end(), bridge::FileChange{});
    file->path = path;
  }
  file->added = diff.added;
  file->removed = diff.removed;
  file->diff = unified_lines(diff);
  ++model.turn.edits;
  refresh_details(model);
}

void finish(std::vector<Step>& steps) {
  steps.push_back(step(150ms, [](Model& m, Time now) { finish_turn(m, now); }));
}

void edit_steps(std::vector<Step>& steps, const std::string& n, const std::string& path, std::string before,
                std::string after, std::string group_text) {
  const FileDiff diff = line_diff(before, after);
  const std::string changes = "  file: " + path + "\n  changes: +" + std::to_string(diff.added) + " -" +
                              std::to_string(diff.removed);
  steps.push_back(step(250ms, [group = "g" + n + "-" + path, changes, group_text](Model& m, Time) {
    edit_block(m, group, [&](bridge::Content& block) {
      block.members.back().status.clear();
      block.members.back().detail = changes;
      block.status.clear();
      block.text = group_text;
      block.count = block.members.size();
    });
  }));
  steps.push_back(step(150ms, [n, path, before = std::move(before), after = std::move(after)](Model& m, Time) {
    m.transcript.append(diff_block("d" + n + "-" + path, path, line_diff(before, after)));
    record_edit(m, path, before, after);
    m.turn.tokens += 3000;
  }));
}

std::vector<Step> allowed_steps(std::uint32_t number, bool long_answer_wanted, bool for_session) {
  const std::string n = std::to_string(number);
  std::vector<Step> steps;
  if (for_session) {
    steps.push_back(step(0ms, [](Model& m, Time) {
      m.auto_approve = true;
      note(m, "edits are allowed for the rest of this session");
    }));
  }
  edit_steps(steps, n, std::string(kGreetingPath), std::string(kGreetingBefore), std::string(kGreetingAfter),
             "Edited src/greeting.py");
  if (long_answer_wanted) {
    const std::string group = "g" + n + "-" + std::string(kConfigPath);
    steps.push_back(step(200ms, [group](Model& m, Time) {
      bridge::Content block = tool_group(group, "Editing " + std::string(kConfigPath));
      block.members.push_back(tool_member("Edit", std::string(kConfigPath)));
      m.transcript.append(std::move(block));
      ++m.turn.tools;
    }));
    edit_steps(steps, n, std::string(kConfigPath), config_before(), config_after(),
               "Edited " + std::string(kConfigPath));
    stream(steps, "a" + n, long_answer(), 3, 60ms);
  } else {
    stream(steps, "a" + n, kAnswerEdited, 2, 90ms);
  }
  finish(steps);
  return steps;
}

std::vector<Step> denied_steps(std::uint32_t number) {
  const std::string n = std::to_string(number);
  std::vector<Step> steps;
  steps.push_back(step(150ms, [group = "g" + n + "-" + std::string(kGreetingPath)](Model& m, Time) {
    edit_block(m, group, [](bridge::Content& block) {
      block.members.back().status = "failed";
      block.members.back().detail = "  reason: denied by you";
      block.status.clear();
      block.failures = 1;
      block.text = "Edit denied";
    });
  }));
  stream(steps, "a" + n, kAnswerDenied, 2, 90ms);
  finish(steps);
  return steps;
}

std::vector<bridge::Content> agent_page_blocks(const std::string& n) {
  std::vector<bridge::Content> blocks;
  blocks.push_back(agent_block("pa" + n, "explorer", ""));
  blocks.back().operation.reset();
  bridge::Content group = tool_group("pg" + n, "Searched 2 patterns");
  group.status.clear();
  group.count = 2;
  group.members = {tool_member("Grep", "greet\\("), tool_member("Glob", "**/*.py")};
  group.members[0].status.clear();
  group.members[0].detail = "  matches: 3\nsrc/greeting.py:8\nsrc/greeting.py:27\ntests/test_cli.py:4";
  group.members[1].status.clear();
  group.members[1].detail = "  files: 3";
  blocks.push_back(std::move(group));
  blocks.push_back(markdown_block("pm" + n, "Found the greeting in **`src/greeting.py`**; `main()` calls it once.\n\n"
                                            "- `greet(name)` builds the text\n- no other callers\n"));
  return blocks;
}

}  // namespace

bool mentions(std::string_view text, std::string_view word) {
  const auto is_word = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
  for (std::size_t at = 0; at + word.size() <= text.size(); ++at) {
    const bool starts = at == 0 || !is_word(text[at - 1]);
    const std::size_t end = at + word.size();
    const bool ends = end == text.size() || !is_word(text[end]);
    if (starts && ends &&
        std::equal(word.begin(), word.end(), text.begin() + static_cast<std::ptrdiff_t>(at), [](char w, char t) {
          return w == std::tolower(static_cast<unsigned char>(t));
        })) {
      return true;
    }
  }
  return false;
}

std::vector<Step> turn_script(const Model& model, std::uint32_t number, std::string_view text) {
  const std::string n = std::to_string(number);
  const bool question = mentions(text, "question");
  const bool error = mentions(text, "error");
  const bool long_answer_wanted = mentions(text, "long");
  std::vector<Step> steps;

  const std::string thought = "t" + n;
  const std::string asked(text.substr(0, std::min<std::size_t>(text.find('\n'), 60)));
  steps.push_back(step(250ms, [thought](Model& m, Time) { m.transcript.append(thought_block(thought)); }));
  steps.push_back(step(300ms, [thought, asked](Model& m, Time) {
    edit_block(m, thought, [&](bridge::Content& block) {
      block.text = "0.6s";
      block.detail = "The request: \"" + asked + "\".";
    });
  }));
  steps.push_back(step(300ms, [thought](Model& m, Time) {
    edit_block(m, thought, [](bridge::Content& block) {
      block.text = "1.1s";
      block.detail += "\nI'll read src/greeting.py first, then propose one edit.";
    });
    m.turn.tokens += 120;
  }));

  const std::string page = "explorer · message " + n;
  steps.push_back(step(200ms, [n, page](Model& m, Time) {
    m.transcript.append(agent_block("ag" + n, "explorer · searching the workspace", page));
    m.pages[current(m).id + "/" + page] = agent_page_blocks(n);
  }));

  const std::string explore = "g" + n + "-explore";
  steps.push_back(step(200ms, [explore](Model& m, Time) {
    bridge::Content group = tool_group(explore, "Exploring the workspace");
    group.members.push_back(tool_member("Read", "src/greeting.py"));
    m.transcript.append(std::move(group));
    ++m.turn.tools;
  }));
  steps.push_back(step(300ms, [explore](Model& m, Time) {
    edit_block(m, explore, [](bridge::Content& group) {
      group.members[0].status.clear();
      group.members[0].detail = "  lines: 30\n  size: 612 B";
      group.members.push_back(tool_member("Search", "\"TODO\" in tests/"));
      group.members.push_back(tool_member("List", "src/"));
      group.members[1].batch_glyph = "┌";
      group.members[2].batch_glyph = "└";
    });
    m.turn.tools += 2;
  }));
  steps.push_back(step(300ms, [explore](Model& m, Time) {
    edit_block(m, explore, [](bridge::Content& group) {
      group.members[1].status = "failed";
      group.members[1].detail = "  exit: 1\nno matches for \"TODO\" under tests/";
    });
  }));
  steps.push_back(step(250ms, [explore](Model& m, Time) {
    edit_block(m, explore, [](bridge::Content& group) {
      group.members[2].status.clear();
      group.members[2].detail = "greeting.py\n__init__.py\n    2 files, 0 directories";
      group.status.clear();
      group.text = "Explored 3 items";
      group.count = 3;
      group.failures = 1;
    });
    // What was read now fills the context.
    m.turn.tokens += 9000;
  }));
  steps.push_back(step(200ms, [n](Model& m, Time) {
    m.transcript.append(tool_line("b" + n + "-1", "$ git status --short\n M src/__init__.py", "┌"));
    m.transcript.edit(m.transcript.size() - 1).gap = 1;
    m.transcript.append(tool_line("b" + n + "-2", "$ git diff --stat\n 1 file changed, 1 insertion(+)", "│"));
    m.transcript.append(tool_line("b" + n + "-3", "$ git log -1 --oneline\n 3f2a9c1 Add the greeting module", "└"));
    m.turn.tools += 3;
  }));

  if (error) {
    steps.push_back(step(400ms, [n](Model& m, Time now) {
      m.transcript.append(error_block("e" + n,
                                      "Error: the model provider returned 529 (overloaded) while streaming. The turn "
                                      "was stopped and nothing was changed; send the message again to retry."));
      note(m, "message " + n + ": provider error 529");
      finish_turn(m, now);
    }));
    return steps;
  }

  if (question) {
    steps.push_back(step(300ms, [n](Model& m, Time) {
      m.view.prompt = bridge::Prompt{"question",
                                     "q" + n,
                                     {"Which style should the greetings have?", "Pick one, or type your own answer."},
                                     {{"Formal", "formal", "1", false},
                                      {"Casual", "casual", "2", false},
                                      {"Pirate", "pirate", "3", false}}};
      m.turn.prompt_id = "q" + n;
      m.turn.on_answer = [n](const std::string& value) {
        std::vector<Step> after;
        stream(after, "a" + n, question_answer(value), 2, 90ms);
        finish(after);
        return after;
      };
      set_status(m, "awaiting_input");
    }));
    return steps;
  }

  const std::string edit_group = "g" + n + "-" + std::string(kGreetingPath);
  steps.push_back(step(300ms, [edit_group](Model& m, Time) {
    bridge::Content group = tool_group(edit_group, "Editing " + std::string(kGreetingPath));
    group.members.push_back(tool_member("Edit", std::string(kGreetingPath)));
    m.transcript.append(std::move(group));
    ++m.turn.tools;
  }));
  if (model.auto_approve) {
    steps.push_back(step(0ms, [](Model& m, Time) { note(m, "edit allowed without asking (allowed for this session)"); }));
    for (Step& s : allowed_steps(number, long_answer_wanted, false)) steps.push_back(std::move(s));
    return steps;
  }
  // The edit spins a moment before it asks, as a real tool call does.
  steps.push_back(step(500ms, [n, number, long_answer_wanted](Model& m, Time) {
    const FileDiff diff = line_diff(kGreetingBefore, kGreetingAfter);
    m.view.prompt = bridge::Prompt{
        "permission",
        "p" + n,
        {"Edit " + std::string(kGreetingPath),
         "Add a GREETINGS table and a language argument (+" + std::to_string(diff.added) + " -" +
             std::to_string(diff.removed) + ")."},
        {{"Allow once", "allow", "y", false},
         {"Allow for this session", "allow_session", "a", false},
         {"Deny", "deny", "n", false},
         {"Edit in $EDITOR first", "edit", "e", true}}};
    m.turn.prompt_id = "p" + n;
    m.turn.on_answer = [number, long_answer_wanted](const std::string& value) {
      if (value == "allow" || value == "allow_session") {
        return allowed_steps(number, long_answer_wanted, value == "allow_session");
      }
      return denied_steps(number);
    };
    set_status(m, "awaiting_permission");
  }));
  return steps;
}

}  // namespace orvane::demo

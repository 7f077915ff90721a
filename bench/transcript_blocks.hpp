#pragma once
// Transcript blocks of every common kind, with deterministic prose, for the benchmarks
// that need a long, realistic transcript.

#include <cstddef>
#include <cstdint>
#include <string>

#include "bridge/snapshot.hpp"

namespace orvane::bench {

using bridge::Content;
using bridge::DiffRow;
using bridge::JsonValue;

// Deterministic prose: the same transcript on every run.
class Words {
 public:
  std::string sentence(std::size_t words) {
    static const char* const kWords[] = {
        "the",    "transcript", "builder",  "wraps",  "each",   "block",   "to",
        "width",  "columns",    "of",       "styled", "text",   "and",     "returns",
        "lines",  "function",   "value",    "render", "cache",  "spinner", "diff",
        "member", "output",     "markdown", "table",  "parser", "event",   "terminal",
        "über",   "naïve",      "café",     "日本語", "résumé", "a",       "is"};
    std::string out;
    for (std::size_t i = 0; i < words; ++i) {
      if (i) out += ' ';
      out += kWords[next() % std::size(kWords)];
    }
    return out;
  }

  std::uint32_t next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }

 private:
  std::uint32_t state_ = 12345;
};

inline JsonValue click(std::size_t i) {
  return JsonValue{R"({"id":"block-)" + std::to_string(i) + R"(","type":"open"})"};
}

inline Content markdown_answer(Words& words) {
  Content block;
  block.kind = "markdown";
  block.gap = 1;
  std::string& t = block.text;
  t += "## " + words.sentence(5) + "\n\n";
  t += words.sentence(10) + " **" + words.sentence(3) + "** and `code` " + words.sentence(6) +
       "\n\n";
  t +=
      "- " + words.sentence(6) + "\n- " + words.sentence(5) + "\n  - " + words.sentence(4) + "\n\n";
  t += "```cpp\n";
  for (int i = 0; i < 3; ++i) t += "    auto " + words.sentence(3) + " = compute(x, y);\n";
  t += "```\n\n";
  t += "| name | value | note |\n|---|---|---|\n";
  for (int i = 0; i < 2; ++i) {
    t += "| " + words.sentence(2) + " | " + std::to_string(words.next() % 1000) + " | " +
         words.sentence(3) + " |\n";
  }
  t += "\n> " + words.sentence(6) + "\n\n" + words.sentence(8) + " [link](https://example.com/" +
       words.sentence(1) + ")\n";
  return block;
}

inline Content tool_group(Words& words, std::size_t i) {
  Content block;
  block.kind = "tool_group";
  block.gap = 1;
  block.text = "Ran " + words.sentence(4);
  block.count = 3;
  block.status = i % 50 == 0 ? "running" : "done";
  for (int m = 0; m < 3; ++m) {
    Content member;
    member.kind = "tool";
    member.title = m == 0 ? "Read" : m == 1 ? "Bash" : "Grep";
    member.text = "src/" + words.sentence(2) + ".cpp";
    member.operation = click(i * 10 + m);
    member.detail = "  exit: 0\n  duration: 12ms\n";
    for (int l = 0; l < 2; ++l) member.detail += words.sentence(7) + "\n";
    member.detail += "    " + words.sentence(4) + "\n";
    block.members.push_back(std::move(member));
  }
  return block;
}

inline Content diff(Words& words) {
  Content block;
  block.kind = "diff";
  block.gap = 1;
  block.title = "src/" + words.sentence(2) + ".cpp";
  block.added = 6;
  block.removed = 4;
  for (std::uint32_t r = 1; r <= 5; ++r) {
    const char* kinds[] = {"", "del", "add", "change"};
    block.diff_rows.push_back(DiffRow{r + 100, "  " + words.sentence(5), r + 102,
                                      "  " + words.sentence(5), kinds[r % 4]});
  }
  block.diff_rows.push_back(DiffRow{0, "", 0, "", "sep"});
  return block;
}

inline Content user_message(Words& words, std::size_t i) {
  Content block;
  block.kind = "user";
  block.gap = 1;
  block.title = words.sentence(8);
  block.text = words.sentence(15) + "\n" + words.sentence(8);
  block.number = static_cast<std::uint32_t>(i);
  if (i % 7 == 0) block.chips = {"notes.md", "screenshot.png"};
  return block;
}

}  // namespace orvane::bench

#include "blocks.hpp"

#include <algorithm>
#include <cstdio>

#include "input/json_writer.hpp"

namespace orvane::demo {

bridge::JsonValue operation(std::initializer_list<std::pair<std::string_view, std::string_view>> fields) {
  // Keys in ascending order keep the text canonical, as the client holds free values.
  std::vector<std::pair<std::string_view, std::string_view>> sorted(fields);
  std::sort(sorted.begin(), sorted.end());
  std::string text = "{";
  for (const auto& [key, value] : sorted) {
    if (text.size() > 1) text += ',';
    input::append_json_string(text, key);
    text += ':';
    input::append_json_string(text, value);
  }
  text += '}';
  return {text};
}

bridge::Content hints_block(std::string_view text) {
  bridge::Content block;
  block.id = "hints";
  block.kind = "hints";
  block.text = text;
  block.gap = 1;
  return block;
}

bridge::Content user_block(std::uint32_t number, std::string_view text, std::vector<std::string> chips) {
  // Appended piece by piece: "u" + … draws a false -Wrestrict warning from GCC 12 at -O2.
  std::string id = "u";
  id += std::to_string(number);
  bridge::Content block;
  block.id = id;
  block.kind = "user";
  const std::size_t end = text.find('\n');
  block.title = text.substr(0, end);
  if (end != std::string_view::npos) block.text = text.substr(end + 1);
  block.number = number;
  block.gap = 1;
  block.operation = operation({{"action", "fold"}, {"block", id}});
  if (!chips.empty()) {
    block.chips = std::move(chips);
    block.chip_operation = operation({{"action", "attachments"}, {"block", id}});
  }
  return block;
}

bridge::Content thought_block(std::string id) {
  bridge::Content block;
  block.id = std::move(id);
  block.kind = "thought";
  block.title = "Thinking";
  block.gap = 1;
  return block;
}

bridge::Content agent_block(std::string id, std::string title, std::string page) {
  bridge::Content block;
  block.id = std::move(id);
  block.kind = "agent";
  block.title = std::move(title);
  block.color = "$ov-purple";
  block.gap = 1;
  block.operation = operation({{"action", "open_page"}, {"page", page}});
  return block;
}

bridge::Content tool_group(std::string id, std::string text) {
  bridge::Content block;
  block.id = std::move(id);
  block.kind = "tool_group";
  block.text = std::move(text);
  block.status = "running";
  block.color = "$ov-cyan";
  block.gap = 1;
  return block;
}

bridge::Content tool_member(std::string title, std::string text) {
  bridge::Content block;
  block.kind = "tool";
  block.title = std::move(title);
  block.text = std::move(text);
  block.status = "running";
  return block;
}

bridge::Content tool_line(std::string id, std::string text, std::string glyph) {
  bridge::Content block;
  block.id = std::move(id);
  block.kind = "tool";
  block.text = std::move(text);
  block.batch_glyph = std::move(glyph);
  return block;
}

bridge::Content markdown_block(std::string id, std::string text) {
  bridge::Content block;
  block.id = std::move(id);
  block.kind = "markdown";
  block.text = std::move(text);
  block.gap = 1;
  return block;
}

bridge::Content summary_block(std::string id, std::string text) {
  bridge::Content block;
  block.id = std::move(id);
  block.kind = "summary";
  block.text = std::move(text);
  return block;
}

bridge::Content error_block(std::string id, std::string text) {
  bridge::Content block;
  block.id = std::move(id);
  block.kind = "error";
  block.text = std::move(text);
  block.gap = 1;
  return block;
}

bridge::Content diff_block(std::string id, std::string path, const FileDiff& diff) {
  bridge::Content block;
  block.id = std::move(id);
  block.kind = "diff";
  block.title = path;
  block.added = diff.added;
  block.removed = diff.removed;
  block.diff_rows = diff.rows;
  block.operation = operation({{"action", "open_file"}, {"path", path}});
  block.path = std::move(path);
  block.gap = 1;
  return block;
}

bridge::Content context_badge(std::string id, std::string title, std::string status, std::string text,
                              std::string color) {
  bridge::Content block;
  block.id = std::move(id);
  block.kind = "context";
  block.title = std::move(title);
  block.status = std::move(status);
  block.text = std::move(text);
  block.color = std::move(color);
  block.gap = 1;
  return block;
}

bridge::Content collapsed_block(std::string id, std::string title, std::string text) {
  bridge::Content block;
  block.operation = operation({{"action", "expand"}, {"block", id}});
  block.id = std::move(id);
  block.kind = "collapsed";
  block.title = std::move(title);
  block.text = std::move(text);
  block.gap = 1;
  return block;
}

bridge::Content context_strip(std::string id, const std::vector<ContextShare>& shares) {
  bridge::Content block;
  block.id = std::move(id);
  block.kind = "context_header";
  block.operation = operation({{"action", "context"}});
  for (const ContextShare& share : shares) {
    bridge::Content member;
    member.title = share.name;
    member.status = tokens_text(share.tokens) + " tokens";
    member.color = share.color;
    block.members.push_back(std::move(member));
  }
  return block;
}

std::string tokens_text(std::uint64_t tokens) {
  if (tokens < 1000) return std::to_string(tokens);
  char text[32];
  std::snprintf(text, sizeof text, tokens < 100'000 ? "%.1fk" : "%.0fk", static_cast<double>(tokens) / 1000.0);
  return text;
}

}  // namespace orvane::demo

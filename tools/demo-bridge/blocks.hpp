#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bridge/snapshot.hpp"
#include "line_diff.hpp"

namespace orvane::demo {

// A JSON object of string fields, as the free `operation` values the client sends back.
bridge::JsonValue operation(std::initializer_list<std::pair<std::string_view, std::string_view>> fields);

bridge::Content hints_block(std::string_view text);
bridge::Content user_block(std::uint32_t number, std::string_view text, std::vector<std::string> chips);
bridge::Content thought_block(std::string id);
bridge::Content agent_block(std::string id, std::string title, std::string page);
bridge::Content tool_group(std::string id, std::string text);
bridge::Content tool_member(std::string title, std::string text);
bridge::Content tool_line(std::string id, std::string text, std::string glyph);
bridge::Content markdown_block(std::string id, std::string text);
bridge::Content summary_block(std::string id, std::string text);
bridge::Content error_block(std::string id, std::string text);
bridge::Content diff_block(std::string id, std::string path, const FileDiff& diff);
bridge::Content context_badge(std::string id, std::string title, std::string status, std::string text,
                              std::string color);
bridge::Content collapsed_block(std::string id, std::string title, std::string text);

// One category of the context strip: name, tokens used, colour token.
struct ContextShare {
  std::string name;
  std::uint64_t tokens = 0;
  std::string color;
};
bridge::Content context_strip(std::string id, const std::vector<ContextShare>& shares);

// 980 as "980", 1234 as "1.2k", 200000 as "200k".
std::string tokens_text(std::uint64_t tokens);

}  // namespace orvane::demo

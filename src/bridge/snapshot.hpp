#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bridge/json_value.hpp"

namespace orvane::bridge {

// The state the bridge sends, one record per line. Field names are the JSON
// keys; absent keys keep the defaults written here.

// An actionable entry of the panel (`items`, `controls`).
struct Item {
  std::string label;
  std::string command;
  std::optional<JsonValue> operation;
  std::string group;

  bool operator==(const Item&) const = default;
};

// One button of a prompt. The bridge must send every key.
struct Choice {
  std::string label;
  std::string value;
  std::string key;
  bool disabled = false;

  bool operator==(const Choice&) const = default;
};

// A pending permission request or question. The bridge must send every key.
struct Prompt {
  std::string kind;
  std::string id;
  std::vector<std::string> lines;
  std::vector<Choice> choices;

  bool operator==(const Prompt&) const = default;
};

struct Form {
  std::string id;
  std::string body;
  bool secret = false;
  bool autosave = false;
  std::string status;
  std::uint64_t revision = 0;

  bool operator==(const Form&) const = default;
};

struct Session {
  std::string group;
  std::string id;
  std::string title;
  std::string workspace;
  std::string state;
  std::string status;
  std::string sub;
  bool active = false;

  bool operator==(const Session&) const = default;
};

// One row of a diff block, sent as [left_number, left_text, right_number,
// right_text, kind]; a line number of 0 means no line on that side.
struct DiffRow {
  std::uint32_t left_number = 0;
  std::string left_text;
  std::uint32_t right_number = 0;
  std::string right_text;
  std::string kind;

  bool operator==(const DiffRow&) const = default;
};

// One transcript block; tool groups nest their blocks in `members`.
struct Content {
  std::string id;
  std::string title;
  std::string text;
  std::string kind;
  std::optional<JsonValue> operation;
  std::string path;
  std::uint64_t added = 0;
  std::uint64_t removed = 0;
  std::vector<DiffRow> diff_rows;
  std::uint16_t gap = 0;
  std::uint32_t number = 0;
  bool collapsed = false;
  std::vector<std::string> chips;
  std::optional<JsonValue> chip_operation;
  std::string detail;
  std::string status;
  std::string batch_glyph;
  std::string color;
  std::string rev;
  std::uint64_t count = 0;
  std::uint64_t failures = 0;
  std::vector<Content> members;
  std::optional<JsonValue> output_operation;

  // Field-wise equality, free values by JSON value equality.
  bool operator==(const Content&) const = default;
};

// One entry of a navigation list, sent as [label, value, heading]; the client
// does not use `value`.
struct NavEntry {
  std::string label;
  std::string value;
  bool heading = false;

  bool operator==(const NavEntry&) const = default;
};

struct Nav {
  std::vector<NavEntry> items;
  std::int64_t selected = 0;

  bool operator==(const Nav&) const = default;
};

// A label-value pair, sent as [label, value].
struct LabelValue {
  std::string label;
  std::string value;

  bool operator==(const LabelValue&) const = default;
};

// One row of the MCP tab, sent as [tone, name, detail].
struct McpRow {
  std::string tone;
  std::string name;
  std::string detail;

  bool operator==(const McpRow&) const = default;
};

struct FileChange {
  std::string path;
  std::uint64_t added = 0;
  std::uint64_t removed = 0;
  bool created = false;
  bool open = false;
  std::vector<std::string> diff;

  bool operator==(const FileChange&) const = default;
};

struct DetailsPanel {
  std::string tab;
  std::vector<LabelValue> logs_header;
  std::vector<LabelValue> session;
  std::vector<FileChange> files;
  std::string files_summary;
  std::vector<McpRow> mcp;

  bool operator==(const DetailsPanel&) const = default;
};

struct Snapshot {
  std::uint32_t schema = 0;
  std::uint64_t revision = 0;
  std::uint64_t generation = 0;
  std::string title;
  std::string status;
  std::vector<std::string> lines;
  std::vector<Content> blocks;
  std::uint64_t blocks_from = 0;
  std::vector<std::string> context_lines;
  std::string panel_title;
  std::string panel_layout;
  std::string panel_format;
  bool panel_loading = false;
  std::vector<std::string> panel_lines;
  std::vector<std::string> panel_tones;
  std::vector<Item> items;
  std::optional<Prompt> prompt;
  std::optional<Form> form;
  std::vector<Item> controls;
  std::string restore;
  std::string insert;
  bool auto_send_insert = false;
  std::string insert_kind;
  std::vector<std::string> history;
  std::string agent;
  std::string agent_color;
  std::string agent_page;
  std::string model;
  std::string provider;
  std::string effort;
  std::string context_usage;
  std::string context_note;
  std::string context_label;
  std::optional<std::uint64_t> context_used;
  std::optional<std::uint64_t> context_window;
  std::vector<std::uint64_t> context_marks;
  std::vector<std::uint64_t> context_tiers;
  std::uint64_t attachments = 0;
  std::vector<std::string> attachment_lines;
  std::vector<std::string> queue_lines;
  std::string update_notice;
  std::optional<Nav> nav;
  std::vector<Session> sessions;
  std::vector<Session> tabs;
  std::string archived_label;
  bool sessions_truncated = false;
  std::string breadcrumb;
  DetailsPanel details_panel;
  std::vector<std::string> logs;
  std::string theme;
  bool sessions_sidebar = false;
  bool details_sidebar = false;
  std::string last_opened;
  bool context_preview = false;
  std::string voice_phase;
  std::string voice_preview;
  double voice_level = 0;
  std::vector<std::string> completions;
  std::string completion_query;
  std::string completion_prefix;

  bool operator==(const Snapshot&) const = default;
};

}  // namespace orvane::bridge

#include "snapshot_json.hpp"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#include "input/json_writer.hpp"

namespace orvane::demo {

namespace {

using input::append_json_string;

template <typename Number>
void append_number(std::string& out, Number value) {
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

// Appends `values` as a JSON array, each element written by `append_one(out, value)`.
template <typename Values, typename Append>
void append_array(std::string& out, const Values& values, Append append_one) {
  out += '[';
  bool first = true;
  for (const auto& value : values) {
    if (!first) out += ',';
    first = false;
    append_one(out, value);
  }
  out += ']';
}

// The members of one JSON object being written; each put_* leaves out a default value.
struct Object {
  std::string& out;
  bool empty = true;

  explicit Object(std::string& target) : out(target) { out += '{'; }
  void close() { out += '}'; }

  std::string& key(std::string_view name) {
    if (!empty) out += ',';
    empty = false;
    append_json_string(out, name);
    out += ':';
    return out;
  }
};

void put_string(Object& o, std::string_view name, std::string_view value) {
  if (!value.empty()) append_json_string(o.key(name), value);
}

void put_string_always(Object& o, std::string_view name, std::string_view value) {
  append_json_string(o.key(name), value);
}

template <typename Number>
void put_number(Object& o, std::string_view name, Number value) {
  if (value != 0) append_number(o.key(name), value);
}

template <typename Number>
void put_number_always(Object& o, std::string_view name, Number value) {
  append_number(o.key(name), value);
}

void put_bool(Object& o, std::string_view name, bool value) {
  if (value) o.key(name) += "true";
}

void append_strings(std::string& out, const std::vector<std::string>& values) {
  append_array(out, values, [](std::string& o, const std::string& value) { append_json_string(o, value); });
}

void put_strings(Object& o, std::string_view name, const std::vector<std::string>& values) {
  if (!values.empty()) append_strings(o.key(name), values);
}

void put_numbers(Object& o, std::string_view name, const std::vector<std::uint64_t>& values) {
  if (values.empty()) return;
  append_array(o.key(name), values, [](std::string& out, std::uint64_t value) { append_number(out, value); });
}

void put_value(Object& o, std::string_view name, const std::optional<bridge::JsonValue>& value) {
  if (value && !value->text.empty()) o.key(name) += value->text;
}

template <typename Integer>
void put_optional(Object& o, std::string_view name, const std::optional<Integer>& value) {
  if (value) append_number(o.key(name), *value);
}

void append_item(std::string& out, const bridge::Item& item) {
  Object o(out);
  put_string(o, "label", item.label);
  put_string(o, "command", item.command);
  put_value(o, "operation", item.operation);
  put_string(o, "group", item.group);
  o.close();
}

void put_items(Object& o, std::string_view name, const std::vector<bridge::Item>& items) {
  if (!items.empty()) append_array(o.key(name), items, append_item);
}

// A prompt and its choices must carry every key, defaults included.
void append_prompt(std::string& out, const bridge::Prompt& prompt) {
  Object o(out);
  put_string_always(o, "kind", prompt.kind);
  put_string_always(o, "id", prompt.id);
  append_strings(o.key("lines"), prompt.lines);
  append_array(o.key("choices"), prompt.choices, [](std::string& out, const bridge::Choice& choice) {
    Object c(out);
    put_string_always(c, "label", choice.label);
    put_string_always(c, "value", choice.value);
    put_string_always(c, "key", choice.key);
    c.key("disabled") += choice.disabled ? "true" : "false";
    c.close();
  });
  o.close();
}

void append_form(std::string& out, const bridge::Form& form) {
  Object o(out);
  put_string(o, "id", form.id);
  put_string(o, "body", form.body);
  put_bool(o, "secret", form.secret);
  put_bool(o, "autosave", form.autosave);
  put_string(o, "status", form.status);
  put_number(o, "revision", form.revision);
  o.close();
}

void append_session(std::string& out, const bridge::Session& session) {
  Object o(out);
  put_string(o, "group", session.group);
  put_string(o, "id", session.id);
  put_string(o, "title", session.title);
  put_string(o, "workspace", session.workspace);
  put_string(o, "state", session.state);
  put_string(o, "status", session.status);
  put_string(o, "sub", session.sub);
  put_bool(o, "active", session.active);
  o.close();
}

void put_sessions(Object& o, std::string_view name, const std::vector<bridge::Session>& sessions) {
  if (!sessions.empty()) append_array(o.key(name), sessions, append_session);
}

void append_content(std::string& out, const bridge::Content& block);

void append_blocks(std::string& out, std::span<const bridge::Content> blocks) {
  append_array(out, blocks, append_content);
}

void append_content(std::string& out, const bridge::Content& block) {
  Object o(out);
  put_string(o, "id", block.id);
  put_string(o, "title", block.title);
  put_string(o, "text", block.text);
  put_string(o, "kind", block.kind);
  put_value(o, "operation", block.operation);
  put_string(o, "path", block.path);
  put_number(o, "added", block.added);
  put_number(o, "removed", block.removed);
  if (!block.diff_rows.empty()) {
    append_array(o.key("diff_rows"), block.diff_rows, [](std::string& rows, const bridge::DiffRow& row) {
      rows += '[';
      append_number(rows, row.left_number);
      rows += ',';
      append_json_string(rows, row.left_text);
      rows += ',';
      append_number(rows, row.right_number);
      rows += ',';
      append_json_string(rows, row.right_text);
      rows += ',';
      append_json_string(rows, row.kind);
      rows += ']';
    });
  }
  put_number(o, "gap", block.gap);
  put_number(o, "number", block.number);
  put_bool(o, "collapsed", block.collapsed);
  put_strings(o, "chips", block.chips);
  put_value(o, "chip_operation", block.chip_operation);
  put_string(o, "detail", block.detail);
  put_string(o, "status", block.status);
  put_string(o, "batch_glyph", block.batch_glyph);
  put_string(o, "color", block.color);
  put_string(o, "rev", block.rev);
  put_number(o, "count", block.count);
  put_number(o, "failures", block.failures);
  if (!block.members.empty()) append_blocks(o.key("members"), block.members);
  put_value(o, "output_operation", block.output_operation);
  o.close();
}

void append_pairs(std::string& out, const std::vector<bridge::LabelValue>& pairs) {
  append_array(out, pairs, [](std::string& o, const bridge::LabelValue& pair) {
    append_strings(o, {pair.label, pair.value});
  });
}

void append_file(std::string& out, const bridge::FileChange& file) {
  Object o(out);
  put_string(o, "path", file.path);
  put_number(o, "added", file.added);
  put_number(o, "removed", file.removed);
  put_bool(o, "created", file.created);
  put_bool(o, "open", file.open);
  put_strings(o, "diff", file.diff);
  o.close();
}

void put_details(Object& parent, const bridge::DetailsPanel& details) {
  if (details == bridge::DetailsPanel{}) return;
  Object o(parent.key("details_panel"));
  put_string(o, "tab", details.tab);
  if (!details.logs_header.empty()) append_pairs(o.key("logs_header"), details.logs_header);
  if (!details.session.empty()) append_pairs(o.key("session"), details.session);
  if (!details.files.empty()) append_array(o.key("files"), details.files, append_file);
  put_string(o, "files_summary", details.files_summary);
  if (!details.mcp.empty()) {
    append_array(o.key("mcp"), details.mcp, [](std::string& rows, const bridge::McpRow& row) {
      append_strings(rows, {row.tone, row.name, row.detail});
    });
  }
  o.close();
}

void put_nav(Object& parent, const std::optional<bridge::Nav>& nav) {
  if (!nav) return;
  Object o(parent.key("nav"));
  append_array(o.key("items"), nav->items, [](std::string& items, const bridge::NavEntry& entry) {
    items += '[';
    append_json_string(items, entry.label);
    items += ',';
    append_json_string(items, entry.value);
    items += entry.heading ? ",true]" : ",false]";
  });
  put_number(o, "selected", nav->selected);
  o.close();
}

}  // namespace

std::string snapshot_json(const bridge::Snapshot& s, Framing framing,
                          std::span<const bridge::Content> blocks) {
  std::string out;
  Object o(out);
  put_number_always(o, "schema", framing.schema);
  put_number_always(o, "revision", framing.revision);
  put_number_always(o, "generation", s.generation);
  put_string(o, "title", s.title);
  put_string(o, "status", s.status);
  put_strings(o, "lines", s.lines);
  if (framing.schema == 2) put_number_always(o, "blocks_from", framing.blocks_from);
  if (!blocks.empty()) append_blocks(o.key("blocks"), blocks);
  put_strings(o, "context_lines", s.context_lines);
  put_string(o, "panel_title", s.panel_title);
  put_string(o, "panel_layout", s.panel_layout);
  put_string(o, "panel_format", s.panel_format);
  put_bool(o, "panel_loading", s.panel_loading);
  put_strings(o, "panel_lines", s.panel_lines);
  put_strings(o, "panel_tones", s.panel_tones);
  put_items(o, "items", s.items);
  if (s.prompt) append_prompt(o.key("prompt"), *s.prompt);
  if (s.form) append_form(o.key("form"), *s.form);
  put_items(o, "controls", s.controls);
  put_string_always(o, "restore", s.restore);
  put_string_always(o, "insert", s.insert);
  put_bool(o, "auto_send_insert", s.auto_send_insert);
  put_string(o, "insert_kind", s.insert_kind);
  put_strings(o, "history", s.history);
  put_string(o, "agent", s.agent);
  put_string(o, "agent_color", s.agent_color);
  put_string(o, "agent_page", s.agent_page);
  put_string(o, "model", s.model);
  put_string(o, "provider", s.provider);
  put_string(o, "effort", s.effort);
  put_string(o, "context_usage", s.context_usage);
  put_string(o, "context_note", s.context_note);
  put_string(o, "context_label", s.context_label);
  put_optional(o, "context_used", s.context_used);
  put_optional(o, "context_window", s.context_window);
  put_numbers(o, "context_marks", s.context_marks);
  put_numbers(o, "context_tiers", s.context_tiers);
  put_number(o, "attachments", s.attachments);
  put_strings(o, "attachment_lines", s.attachment_lines);
  put_strings(o, "queue_lines", s.queue_lines);
  put_string(o, "update_notice", s.update_notice);
  put_nav(o, s.nav);
  put_sessions(o, "sessions", s.sessions);
  put_sessions(o, "tabs", s.tabs);
  put_string(o, "archived_label", s.archived_label);
  put_bool(o, "sessions_truncated", s.sessions_truncated);
  put_string(o, "breadcrumb", s.breadcrumb);
  put_details(o, s.details_panel);
  put_strings(o, "logs", s.logs);
  put_string(o, "theme", s.theme);
  put_bool(o, "sessions_sidebar", s.sessions_sidebar);
  put_bool(o, "details_sidebar", s.details_sidebar);
  put_string(o, "last_opened", s.last_opened);
  put_bool(o, "context_preview", s.context_preview);
  put_string(o, "voice_phase", s.voice_phase);
  put_string(o, "voice_preview", s.voice_preview);
  // JSON has no infinities or NaN; a level that is not finite is no level.
  if (std::isfinite(s.voice_level) && s.voice_level != 0) append_number(o.key("voice_level"), s.voice_level);
  put_strings(o, "completions", s.completions);
  put_string(o, "completion_query", s.completion_query);
  put_string(o, "completion_prefix", s.completion_prefix);
  o.close();
  return out;
}

}  // namespace orvane::demo

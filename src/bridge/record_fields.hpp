#pragma once

#include <string_view>
#include <tuple>

#include "bridge/snapshot.hpp"

namespace orvane::bridge {

// The JSON key of each field of the records, in declaration order; the
// decoder finds fields through these tables.
template <typename Record, typename T>
struct Field {
  std::string_view key;
  T Record::*member;
};

template <typename Record, typename T>
constexpr Field<Record, T> field(std::string_view key, T Record::*member) {
  return {key, member};
}

inline constexpr auto kItemFields =
    std::make_tuple(field("label", &Item::label), field("command", &Item::command),
                    field("operation", &Item::operation), field("group", &Item::group));

inline constexpr auto kChoiceFields =
    std::make_tuple(field("label", &Choice::label), field("value", &Choice::value),
                    field("key", &Choice::key), field("disabled", &Choice::disabled));

inline constexpr auto kPromptFields =
    std::make_tuple(field("kind", &Prompt::kind), field("id", &Prompt::id),
                    field("lines", &Prompt::lines), field("choices", &Prompt::choices));

inline constexpr auto kFormFields =
    std::make_tuple(field("id", &Form::id), field("body", &Form::body),
                    field("secret", &Form::secret), field("autosave", &Form::autosave),
                    field("status", &Form::status), field("revision", &Form::revision));

inline constexpr auto kSessionFields =
    std::make_tuple(field("group", &Session::group), field("id", &Session::id),
                    field("title", &Session::title), field("workspace", &Session::workspace),
                    field("state", &Session::state), field("status", &Session::status),
                    field("sub", &Session::sub), field("active", &Session::active));

inline constexpr auto kContentFields = std::make_tuple(
    field("id", &Content::id), field("title", &Content::title), field("text", &Content::text),
    field("kind", &Content::kind), field("operation", &Content::operation),
    field("path", &Content::path), field("added", &Content::added),
    field("removed", &Content::removed), field("diff_rows", &Content::diff_rows),
    field("gap", &Content::gap), field("number", &Content::number),
    field("collapsed", &Content::collapsed), field("chips", &Content::chips),
    field("chip_operation", &Content::chip_operation), field("detail", &Content::detail),
    field("status", &Content::status), field("batch_glyph", &Content::batch_glyph),
    field("color", &Content::color), field("rev", &Content::rev), field("count", &Content::count),
    field("failures", &Content::failures), field("members", &Content::members),
    field("output_operation", &Content::output_operation));

inline constexpr auto kNavFields =
    std::make_tuple(field("items", &Nav::items), field("selected", &Nav::selected));

inline constexpr auto kFileChangeFields =
    std::make_tuple(field("path", &FileChange::path), field("added", &FileChange::added),
                    field("removed", &FileChange::removed), field("created", &FileChange::created),
                    field("open", &FileChange::open), field("diff", &FileChange::diff));

inline constexpr auto kDetailsPanelFields = std::make_tuple(
    field("tab", &DetailsPanel::tab), field("logs_header", &DetailsPanel::logs_header),
    field("session", &DetailsPanel::session), field("files", &DetailsPanel::files),
    field("files_summary", &DetailsPanel::files_summary), field("mcp", &DetailsPanel::mcp));

inline constexpr auto kSnapshotFields = std::make_tuple(
    field("schema", &Snapshot::schema), field("revision", &Snapshot::revision),
    field("generation", &Snapshot::generation), field("title", &Snapshot::title),
    field("status", &Snapshot::status), field("lines", &Snapshot::lines),
    field("blocks", &Snapshot::blocks), field("blocks_from", &Snapshot::blocks_from),
    field("context_lines", &Snapshot::context_lines), field("panel_title", &Snapshot::panel_title),
    field("panel_layout", &Snapshot::panel_layout), field("panel_format", &Snapshot::panel_format),
    field("panel_loading", &Snapshot::panel_loading), field("panel_lines", &Snapshot::panel_lines),
    field("panel_tones", &Snapshot::panel_tones), field("items", &Snapshot::items),
    field("prompt", &Snapshot::prompt), field("form", &Snapshot::form),
    field("controls", &Snapshot::controls), field("restore", &Snapshot::restore),
    field("insert", &Snapshot::insert), field("auto_send_insert", &Snapshot::auto_send_insert),
    field("insert_kind", &Snapshot::insert_kind), field("history", &Snapshot::history),
    field("agent", &Snapshot::agent), field("agent_color", &Snapshot::agent_color),
    field("agent_page", &Snapshot::agent_page), field("model", &Snapshot::model),
    field("provider", &Snapshot::provider), field("effort", &Snapshot::effort),
    field("context_usage", &Snapshot::context_usage),
    field("context_note", &Snapshot::context_note),
    field("context_label", &Snapshot::context_label),
    field("context_used", &Snapshot::context_used),
    field("context_window", &Snapshot::context_window),
    field("context_marks", &Snapshot::context_marks),
    field("context_tiers", &Snapshot::context_tiers), field("attachments", &Snapshot::attachments),
    field("attachment_lines", &Snapshot::attachment_lines),
    field("queue_lines", &Snapshot::queue_lines), field("update_notice", &Snapshot::update_notice),
    field("nav", &Snapshot::nav), field("sessions", &Snapshot::sessions),
    field("tabs", &Snapshot::tabs), field("archived_label", &Snapshot::archived_label),
    field("sessions_truncated", &Snapshot::sessions_truncated),
    field("breadcrumb", &Snapshot::breadcrumb), field("details_panel", &Snapshot::details_panel),
    field("logs", &Snapshot::logs), field("theme", &Snapshot::theme),
    field("sessions_sidebar", &Snapshot::sessions_sidebar),
    field("details_sidebar", &Snapshot::details_sidebar),
    field("last_opened", &Snapshot::last_opened),
    field("context_preview", &Snapshot::context_preview),
    field("voice_phase", &Snapshot::voice_phase), field("voice_preview", &Snapshot::voice_preview),
    field("voice_level", &Snapshot::voice_level), field("completions", &Snapshot::completions),
    field("completion_query", &Snapshot::completion_query),
    field("completion_prefix", &Snapshot::completion_prefix));

// Rows sent as fixed-length arrays, by position.
inline constexpr auto kDiffRowElements =
    std::make_tuple(&DiffRow::left_number, &DiffRow::left_text, &DiffRow::right_number,
                    &DiffRow::right_text, &DiffRow::kind);
inline constexpr auto kNavEntryElements =
    std::make_tuple(&NavEntry::label, &NavEntry::value, &NavEntry::heading);
inline constexpr auto kLabelValueElements = std::make_tuple(&LabelValue::label, &LabelValue::value);
inline constexpr auto kMcpRowElements =
    std::make_tuple(&McpRow::tone, &McpRow::name, &McpRow::detail);

}  // namespace orvane::bridge

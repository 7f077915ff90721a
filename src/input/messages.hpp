#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bridge/json_value.hpp"
#include "bridge/snapshot.hpp"
#include "editor/editor.hpp"
#include "input/message.hpp"

namespace orvane::input {

// Builders of every outbound message. `generation` is the current snapshot's generation
// at the moment of building: the conversation the user was looking at.

// {"text","type"}: every message without other fields, such as "quit" or "command".
// An action without text passes "". Enter on a file of the details sidebar uses this
// form of "file_toggle", without generation.
Message action_message(std::string_view type, std::string_view text);

// {"discard","send","type":"voice_stop"} for the key that stopped the recording: Esc
// discards it, Enter sends it, any other key just stops it.
Message voice_stop(bool esc, bool enter);

enum class SubmitMode { kQueue, kSteer, kInterrupt };

// {"generation","mode","text","type":"submit"}
Message submit_message(std::uint64_t generation, std::string_view text, SubmitMode mode);

// {"generation","prefix","text","type":"complete"}: `word` is the word at the cursor,
// `prefix` the composer text before the cursor.
Message complete_message(std::uint64_t generation, std::string_view word, std::string_view prefix);

// {"generation","operation","type":"operation"}
Message operation_message(std::uint64_t generation, const bridge::JsonValue& operation);

// The message for entry `n` of the items whose label contains the filter, both
// lower-cased (an empty filter keeps every item): "operation" when the entry has an
// `operation`, else {"generation","text": its command,"type":"pick"}. None when there
// is no such entry.
std::optional<Message> pick_message(const bridge::Snapshot& snapshot, std::size_t n,
                                    std::string_view filter);

// {"generation","text": prompt id,"type":"answer","value"}
Message answer_message(std::uint64_t generation, std::string_view prompt_id,
                       std::string_view value);

// {"generation","text": the index as a decimal string,"type":"nav_select"}
Message nav_select_message(std::uint64_t generation, std::size_t index);

// {"generation","text": session id,"type","workspace"} for the three session messages.
Message session_open_message(std::uint64_t generation, std::string_view id,
                             std::string_view workspace);
Message tab_close_message(std::uint64_t generation, std::string_view id,
                          std::string_view workspace);
Message session_actions_message(std::uint64_t generation, std::string_view id,
                                std::string_view workspace);

// {"generation","text": path,"type":"file_toggle"}: the click on a file row. The key
// press sends the form of action_message instead.
Message file_toggle_message(std::uint64_t generation, std::string_view path);

// {"generation","text","type":"copy_selection"}
Message copy_selection_message(std::uint64_t generation, std::string_view text);

// {"body": editor text,"form": form id,"generation","revision": edit count,"type":"save"};
// none when the snapshot has no form.
std::optional<Message> save_message(const bridge::Snapshot& snapshot,
                                    const editor::Editor& form_editor, std::uint64_t edit_count);

// The fields of save_message with type "form_draft"; none when there is no form.
std::optional<Message> form_draft_message(const bridge::Snapshot& snapshot,
                                          const editor::Editor& form_editor,
                                          std::uint64_t edit_count);

enum class Sidebar { kSessions, kDetails };

// {"key": "sessions_sidebar" or "details_sidebar","type":"toggle"}
Message toggle_message(Sidebar sidebar);

// {"open","type":"logs"}
Message logs_message(bool open);

// {"open","type":"details_visible"}
Message details_visible_message(bool open);

// {"filter","selection": a number,"type":"favorite"}
Message favorite_message(std::size_t selection, std::string_view filter);

// {"lines","type":"ui_trace"}
Message ui_trace_message(std::vector<std::string> lines);

}  // namespace orvane::input

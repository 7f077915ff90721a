#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <system_error>

#include "bridge/snapshot.hpp"
#include "editor/editor.hpp"
#include "input/outbox.hpp"

namespace orvane::input {

// The senders the key and mouse handlers call; each returns the write error, which ends
// the run. Building never fails, and nothing to act on sends nothing and succeeds.

// Sends action_message(type, text).
[[nodiscard]] std::error_code action(Outbox& outbox, std::string_view type, std::string_view text);

// Sends pick_message for entry `n` of the filtered items, if there is one.
[[nodiscard]] std::error_code pick(Outbox& outbox, const bridge::Snapshot& snapshot, std::size_t n,
                                   std::string_view filter);

// Sends save_message when the snapshot has a form.
[[nodiscard]] std::error_code save(Outbox& outbox, const bridge::Snapshot& snapshot,
                                   const editor::Editor& form_editor, std::uint64_t edit_count);

}  // namespace orvane::input

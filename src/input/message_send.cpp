#include "input/message_send.hpp"

#include "input/messages.hpp"

namespace orvane::input {

std::error_code action(Outbox& outbox, std::string_view type, std::string_view text) {
  return send(outbox, action_message(type, text));
}

std::error_code pick(Outbox& outbox, const bridge::Snapshot& snapshot, std::size_t n,
                     std::string_view filter) {
  const auto message = pick_message(snapshot, n, filter);
  return message ? send(outbox, *message) : std::error_code();
}

std::error_code save(Outbox& outbox, const bridge::Snapshot& snapshot,
                     const editor::Editor& form_editor, std::uint64_t edit_count) {
  const auto message = save_message(snapshot, form_editor, edit_count);
  return message ? send(outbox, *message) : std::error_code();
}

}  // namespace orvane::input

#include <optional>
#include <string>

#include "app/dispatch_stages.hpp"
#include "input/edit.hpp"
#include "input/message_send.hpp"
#include "input/messages.hpp"

namespace orvane::app {

namespace {

using term::Key;

// An autosaved form is saved, any other form not holding a secret leaves a draft; then
// the form goes away.
Handled close_form(LoopState& state, const KeyContext& context) {
  const bridge::Form& form = *state.snapshot.form;
  state.form_last_edit.reset();
  std::error_code error;
  if (form.autosave) {
    error = input::save(context.outbox, state.snapshot, state.form_editor, state.form_edits);
  } else if (!form.secret) {
    error = input::send(context.outbox, *input::form_draft_message(
                                            state.snapshot, state.form_editor, state.form_edits));
  }
  if (error) return sent(error);
  return sent(input::action(context.outbox, "dismiss", ""));
}

}  // namespace

Handled form_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key) {
  if (!state.snapshot.form) return std::nullopt;
  if (is_ctrl(key, U's')) {
    state.form_last_edit.reset();
    return sent(input::save(context.outbox, state.snapshot, state.form_editor, state.form_edits));
  }
  if (is_ctrl(key, U'd')) return sent(input::action(context.outbox, "form_delete", ""));
  if (is_ctrl(key, U'c') && !state.form_editor.selected().empty()) {
    return sent(input::action(context.outbox, "copy_text", state.form_editor.selected()));
  }
  if (is(key, Key::Esc) || is_ctrl(key, U'c')) return close_form(state, context);
  const std::string before = state.form_editor.text;
  input::edit(state.form_editor, key, true);
  if (state.form_editor.text != before) {
    state.form_last_edit = context.now;
    ++state.form_edits;
  }
  return consumed();
}

}  // namespace orvane::app

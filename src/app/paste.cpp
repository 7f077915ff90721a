#include "app/paste.hpp"

#include <string>

#include "input/paste_clean.hpp"

namespace orvane::app {

void route_paste(LoopState& state, std::string_view text, Clock::time_point now) {
  const bridge::Snapshot& snapshot = state.snapshot;
  if (!snapshot.agent_page.empty() && snapshot.panel_title.empty()) return;
  const std::string cleaned = input::cleaned_paste(text);
  if (cleaned.size() > kPasteLimit) return;
  if (snapshot.form) {
    state.form_editor.insert(cleaned);
    state.form_last_edit = now;
    ++state.form_edits;
  } else if (!snapshot.prompt) {
    state.composer.insert(cleaned);
  } else if (snapshot.prompt->kind == "question") {
    state.answer.insert(cleaned);
  } else {
    return;
  }
  state.redraw = true;
}

}  // namespace orvane::app

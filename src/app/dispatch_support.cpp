#include <algorithm>
#include <string>

#include "app/dispatch_stages.hpp"
#include "input/edit.hpp"
#include "input/message_send.hpp"
#include "input/messages.hpp"
#include "unicode/utf8.hpp"

namespace orvane::app {

namespace {

// Below this width both sidebars fit only as overlays, so the key opens the sessions list
// as a panel instead.
constexpr std::uint16_t kSessionsSidebarWidth = 110;

}  // namespace

Handled sent(std::error_code error) {
  if (error) return KeyDispatch{false, error_from(error, "cannot write to the bridge")};
  return consumed();
}

bool is(const term::KeyEvent& key, term::Key code) {
  return key.code.key == code;
}

bool is_char(const term::KeyEvent& key, char32_t c) {
  return key.code.key == term::Key::Char && key.code.value == c && !has_ctrl(key);
}

bool is_ctrl(const term::KeyEvent& key, char32_t letter) {
  return key.code.key == term::Key::Char && key.code.value == letter && has_ctrl(key);
}

bool has_ctrl(const term::KeyEvent& key) {
  return term::has(key.modifiers, term::Modifiers::Ctrl);
}
bool has_shift(const term::KeyEvent& key) {
  return term::has(key.modifiers, term::Modifiers::Shift);
}
bool has_alt(const term::KeyEvent& key) {
  return term::has(key.modifiers, term::Modifiers::Alt);
}

std::size_t effective_offset(const LoopState& state) {
  return state.follow ? state.cache.max_top : state.transcript_offset;
}

void scroll_up(LoopState& state, std::size_t lines) {
  const std::size_t offset = effective_offset(state);
  state.transcript_offset = minus(offset, lines);
  state.follow = false;
}

void scroll_down(LoopState& state, std::size_t lines) {
  state.transcript_offset = std::min(effective_offset(state) + lines, state.cache.max_top);
  state.follow = false;
}

bool details_over_transcript(const render::Regions& regions) {
  return regions.details.width > 0 && regions.details.left() < regions.transcript.right();
}

void clear_selection(LoopState& state) {
  state.transcript_selection.reset();
  state.cache.selection.reset();
}

void append_character(std::string& text, char32_t c) {
  if (input::insertable(c)) unicode::append_utf8(text, c);
}

void pop_character(std::string& text) {
  if (!text.empty()) text.erase(unicode::code_point_start(text, text.size()));
}

Handled sessions_sidebar(LoopState& state, const KeyContext& context) {
  const term::Result<term::Size> size = context.terminal_size();
  if (size.error)
    return KeyDispatch{false, error_from(size.error, "cannot read the terminal size")};
  return sessions_sidebar(state, context, size.value.value_or(term::Size{}).width);
}

Handled sessions_sidebar(LoopState& state, const KeyContext& context, std::uint16_t width) {
  if (width < kSessionsSidebarWidth) {
    return sent(input::action(context.outbox, "command", "/sessions"));
  }
  state.snapshot.last_opened = "sessions";
  return sent(input::send(context.outbox, input::toggle_message(input::Sidebar::kSessions)));
}

Handled logs_toggle(LoopState& state, const KeyContext& context) {
  state.logs_view = !state.logs_view;
  state.details_focus = state.logs_view;
  state.snapshot.last_opened = "details";
  return sent(input::send(context.outbox, input::logs_message(state.logs_view)));
}

Handled details_toggle(LoopState& state, const KeyContext& context) {
  state.snapshot.last_opened = "details";
  state.details_focus = true;
  return sent(input::send(context.outbox, input::toggle_message(input::Sidebar::kDetails)));
}

}  // namespace orvane::app

#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "app/dispatch.hpp"
#include "app/state.hpp"
#include "render/regions.hpp"
#include "term/event.hpp"

// The stages of the key chain and what they share. Each stage either passes the key on
// (nullopt) or consumes it with a result; `dispatch_key` runs them in order.
namespace orvane::app {

using Handled = std::optional<KeyDispatch>;

inline Handled consumed() {
  return KeyDispatch{};
}

// Consumed; a write error ends the run.
Handled sent(std::error_code error);

// Key tests. A character named alone ("k", "[") means that character typed without Ctrl.
bool is(const term::KeyEvent& key, term::Key code);
bool is_char(const term::KeyEvent& key, char32_t c);
bool is_ctrl(const term::KeyEvent& key, char32_t letter);
bool has_ctrl(const term::KeyEvent& key);
bool has_shift(const term::KeyEvent& key);
bool has_alt(const term::KeyEvent& key);

// `value` less `step`, stopping at 0: scroll offsets and selections never go above the top.
inline std::size_t minus(std::size_t value, std::size_t step) {
  return value < step ? 0 : value - step;
}

// The transcript offset as shown: the bottom while following.
std::size_t effective_offset(const LoopState& state);
// Lines a PageUp or PageDown moves the transcript.
inline constexpr std::size_t kTranscriptPage = 10;
// Moves the transcript `lines` up or down from where it shows, within the first line and
// the maximum top, and stops following its end.
void scroll_up(LoopState& state, std::size_t lines);
void scroll_down(LoopState& state, std::size_t lines);
// Whether the details sidebar of the last frame is drawn over the transcript.
bool details_over_transcript(const render::Regions& regions);
// Forgets the mouse selection, and its highlight.
void clear_selection(LoopState& state);
// Filter texts: append a typed character (unless it is a control character), remove the last one.
void append_character(std::string& text, char32_t c);
void pop_character(std::string& text);

// Actions that several keys and clicks share. The sessions sidebar opens where `width`
// leaves it room beside the transcript, else the sessions list opens as a panel; without a
// width the terminal's is asked for.
Handled sessions_sidebar(LoopState& state, const KeyContext& context);
Handled sessions_sidebar(LoopState& state, const KeyContext& context, std::uint16_t width);
Handled logs_toggle(LoopState& state, const KeyContext& context);
Handled details_toggle(LoopState& state, const KeyContext& context);

// Replaces the word at the composer cursor by a popup candidate and a space in one edit,
// as a click on the popup chooses; the popup stays closed while the word is the candidate.
void accept_clicked(LoopState& state, std::string_view candidate);

// The stages, in chain order.
Handled voice_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key);
Handled quit_key(LoopState& state, const KeyContext& context, const term::KeyEvent& key);
Handled details_overlay_key(LoopState& state, const KeyContext& context, const term::KeyEvent& key);
Handled details_focus_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key);
Handled sidebar_filter_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key);
Handled target_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key);
Handled chord_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key);
Handled prompt_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key);
Handled context_panel_key(LoopState& state, const KeyContext& context, const term::KeyEvent& key);
Handled logs_view_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key);
Handled form_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key);
Handled panel_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key);
Handled popup_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key);
Handled page_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key);
Handled composer_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key);

}  // namespace orvane::app

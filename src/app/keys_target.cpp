#include <algorithm>
#include <optional>
#include <vector>

#include "app/dispatch_stages.hpp"
#include "input/message_send.hpp"
#include "input/messages.hpp"
#include "render/composer_geometry.hpp"
#include "render/regions.hpp"
#include "render/targets.hpp"

namespace orvane::app {

namespace {

using term::Key;

enum class Move { kNone, kPrevious, kNext, kFirst, kLast };

Move move_of(const term::KeyEvent& key) {
  if (is(key, Key::Up) || is(key, Key::BackTab) || is_char(key, U'k')) return Move::kPrevious;
  if (is(key, Key::Down) || is(key, Key::Tab) || is_char(key, U'j')) return Move::kNext;
  if (is(key, Key::Home)) return Move::kFirst;
  if (is(key, Key::End)) return Move::kLast;
  return Move::kNone;
}

std::size_t moved(std::size_t index, Move move, std::size_t count) {
  const std::size_t last = minus(count, 1);
  switch (move) {
    case Move::kPrevious:
      return minus(index, 1);
    case Move::kNext:
      return std::min(index + 1, last);
    case Move::kFirst:
      return 0;
    case Move::kLast:
    case Move::kNone:
      break;
  }
  return last;
}

// Scrolls the least that shows the whole target, or its top when it is taller than the
// transcript region.
Handled bring_into_view(LoopState& state, const KeyContext& context, const render::Target& target) {
  const term::Result<term::Size> size = context.terminal_size();
  if (size.error)
    return KeyDispatch{false, error_from(size.error, "cannot read the terminal size")};
  const term::Size screen = size.value.value_or(term::Size{});
  const tui::Rect area{0, 0, screen.width, screen.height};
  const std::uint16_t composer = render::composer_height(area, state.composer, state.snapshot);
  const std::size_t height = render::regions(area, state.snapshot, composer).transcript.height;
  if (state.follow) state.transcript_offset = state.cache.max_top;
  state.follow = false;
  if (target.first < state.transcript_offset || target.last + 1 - target.first > height) {
    state.transcript_offset = target.first;
  } else if (state.transcript_offset + height <= target.last) {
    state.transcript_offset = target.last + 1 - height;
  }
  return consumed();
}

}  // namespace

Handled target_keys(LoopState& state, const KeyContext& context, const term::KeyEvent& key) {
  if (!state.target_mode) return std::nullopt;
  const Move move = move_of(key);
  if (move != Move::kNone) {
    const std::vector<render::Target> targets = render::targets(state.cache);
    state.target_index = moved(state.target_index, move, targets.size());
    if (targets.empty()) return consumed();
    return bring_into_view(state, context, targets[state.target_index]);
  }
  if (is(key, Key::Enter) || is_char(key, U' ')) {
    state.target_mode = false;
    const std::vector<render::Target> targets = render::targets(state.cache);
    if (state.target_index >= targets.size()) return consumed();
    const std::optional<bridge::JsonValue>* value =
        state.cache.actions.get(targets[state.target_index].first);
    if (!value || !*value) return consumed();
    return sent(
        input::send(context.outbox, input::operation_message(state.snapshot.generation, **value)));
  }
  state.target_mode = false;
  if (is(key, Key::Esc)) return consumed();
  return std::nullopt;
}

}  // namespace orvane::app

#include "app/loop.hpp"

#include <unistd.h>

#include <algorithm>
#include <variant>

#include "app/completion.hpp"
#include "app/completion_request.hpp"
#include "app/dispatch.hpp"
#include "app/intake.hpp"
#include "app/mouse.hpp"
#include "app/paste.hpp"
#include "input/message_send.hpp"
#include "input/messages.hpp"
#include "render/animating.hpp"
#include "render/dialogs/completion.hpp"
#include "render/draw.hpp"
#include "render/targets.hpp"
#include "render/ticks.hpp"
#include "term/output.hpp"
#include "trace/labels.hpp"

namespace orvane::app {

namespace {

constexpr auto kInputWait = std::chrono::milliseconds(8);
constexpr std::size_t kBatchEvents = 256;

render::View view_of(const LoopState& state) {
  return {state.composer,        state.form_editor,       state.answer,           state.panel_filter,
          state.selection,       state.transcript_offset, state.panel_scroll,     state.follow,
          state.panel_text_focus, state.sidebar_offset,   state.logs_offset,      state.details_offset,
          state.blocks_as_drawn};
}

// In target mode the focused target is highlighted; an index past the targets focuses none.
std::optional<render::Target> focused_target(const LoopState& state) {
  if (!state.target_mode) return std::nullopt;
  const std::vector<render::Target> targets = render::targets(state.cache);
  if (state.target_index >= targets.size()) return std::nullopt;
  return targets[state.target_index];
}

std::optional<Error> draw(Io& io, LoopState& state) {
  state.cache.focus_range = focused_target(state);
  state.cache.voice_anchor = state.voice_anchor;
  state.cache.session_filter = state.sidebar_filter;
  state.cache.filter_focused = state.sidebar_filter_mode;
  const auto frame_start = Clock::now();
  state.cache.slow_tick = render::slow_tick(frame_start - state.cache.clock);
  state.cache.fast_tick = render::fast_tick(frame_start - state.cache.clock);
  Clock::time_point render_end;
  auto error = io.terminal.draw([&](tui::Frame& frame) {
    state.regions = render::draw(frame, state.snapshot, view_of(state), state.cache);
    if (popup_active(state)) {
      render::dialogs::completion(frame, state.overlay, state.regions.transcript, state.popup_selection);
    }
    render_end = Clock::now();
  });
  if (error) return error_from(error, "cannot draw on the terminal");
  state.blocks_as_drawn = state.snapshot.blocks.size();
  // Cleared here rather than when the wait times out, so that what the completion check
  // after the frame asks for is drawn in the next iteration.
  state.redraw = false;
  const auto now = Clock::now();
  // The bridge streams logs only while someone can read them.
  const bool logs_visible = state.regions.details.width != 0 && state.snapshot.details_panel.tab == "Logs";
  if (logs_visible != state.details_visible_sent) {
    if (auto write_error = input::send(io.outbox, input::details_visible_message(logs_visible))) {
      return error_from(write_error, "cannot write to the bridge");
    }
    state.details_visible_sent = logs_visible;
  }
  state.trace.record(trace::kUpdateContent, state.cache.update_time);
  state.trace.record(trace::kDraw, render_end - frame_start);
  state.trace.record(trace::kFlush, now - render_end);
  if (state.pending_input_start) state.trace.record(state.pending_input_label, now - *state.pending_input_start);
  if (state.pending_snapshot_start) state.trace.record(trace::kSnapshotToFrame, now - *state.pending_snapshot_start);
  state.pending_input_start.reset();
  state.pending_snapshot_start.reset();
  if (auto lines = state.trace.publish(now)) {
    if (auto write_error = input::send(io.outbox, input::ui_trace_message(*lines))) {
      return error_from(write_error, "cannot write to the bridge");
    }
  }
  return std::nullopt;
}

// Redraw timing while nothing happens: 30 frames a second while the agent is busy,
// 8 for any other animation, none otherwise.
void tick(LoopState& state, Clock::time_point now) {
  if (!state.animating) return;
  const auto tick = render::fast_tick(now - state.animation_start);
  const auto step = render::slow_tick(now - state.animation_start);
  const bool busy = render::is_busy(state.snapshot.status);
  if ((tick != state.last_tick && busy) || step != state.last_step) {
    state.last_tick = tick;
    state.last_step = step;
    state.redraw = true;
  }
}

// Reads up to kBatchEvents events that are ready now.
std::variant<std::vector<term::Event>, Error> read_batch(term::Tty& tty) {
  std::vector<term::Event> batch;
  while (batch.size() < kBatchEvents) {
    auto event = tty.read_event();
    if (event.error) return error_from(event.error, "cannot read the terminal");
    if (!event.value) break;
    batch.push_back(std::move(*event.value));
    if (batch.size() == kBatchEvents) break;
    auto ready = tty.poll(std::chrono::milliseconds(0));
    if (ready.error) return error_from(ready.error, "cannot wait for the terminal");
    if (!ready.value->input) break;
  }
  return batch;
}

std::string_view input_label(const std::vector<term::Event>& batch) {
  const auto has = [&](auto test) { return std::ranges::any_of(batch, test); };
  if (has([](const term::Event& e) { return std::holds_alternative<term::KeyEvent>(e); })) {
    return trace::kKeyToFrame;
  }
  if (has([](const term::Event& e) {
               const auto* mouse = std::get_if<term::MouseEvent>(&e);
               return mouse && (mouse->kind == term::MouseKind::ScrollUp || mouse->kind == term::MouseKind::ScrollDown);
             })) {
    return trace::kWheelToFrame;
  }
  return trace::kInputToFrame;
}

// Handles a batch of events in order; a quit or an error ends the batch as it ends the run.
KeyDispatch handle_events(Io& io, LoopState& state, const std::vector<term::Event>& batch,
                          Clock::time_point arrived) {
  if (!state.pending_input_start) state.pending_input_start = arrived;
  state.pending_input_label = input_label(batch);
  const auto now = Clock::now();
  const KeyContext context{io.outbox, now, [&io] { return io.tty.size(); }};
  // The clipboard sequence goes to the terminal between frames, past the toolkit's buffer.
  const MouseContext mouse_context{
      context, [](std::string_view bytes) { return term::write_all(STDERR_FILENO, bytes); }};
  for (const auto& event : batch) {
    if (const auto* key = std::get_if<term::KeyEvent>(&event)) {
      KeyDispatch outcome = dispatch_key(state, context, *key);
      if (outcome.quit || outcome.error) return outcome;
    } else if (const auto* mouse = std::get_if<term::MouseEvent>(&event)) {
      if (auto error = dispatch_mouse(state, mouse_context, *mouse)) return {false, error};
    } else if (const auto* paste = std::get_if<term::PasteEvent>(&event)) {
      route_paste(state, paste->text, now);
    } else if (const auto* resize = std::get_if<term::ResizeEvent>(&event)) {
      io.terminal.resize(resize->width, resize->height);
      state.cache.reset();
      state.redraw = true;
    }
  }
  state.trace.record(trace::kEventHandling, Clock::now() - now);
  return {};
}

}  // namespace

std::optional<Error> run_loop(Io io, LoopState& state) {
  while (true) {
    const auto taken = intake(state, io.channel.drain(), io.outbox);
    if (taken.error) return taken.error;
    if (taken.ended) return std::nullopt;
    // Every cached line carries the colours of the old palette.
    if (taken.theme_changed) state.cache.reset();

    if (state.chord && Clock::now() - *state.chord > std::chrono::seconds(3)) {
      state.chord.reset();
      state.redraw = true;
    }

    if (auto error = autosave(state, io.outbox, Clock::now())) return error_from(error, "cannot write to the bridge");

    state.overlay = completion_overlay(state);

    if (state.redraw) {
      if (auto error = draw(io, state)) return error;
    }

    if (auto error = check_completion_request(state, io.outbox, Clock::now())) {
      return error_from(error, "cannot write to the bridge");
    }

    auto ready = io.tty.poll(kInputWait, io.channel.wake_fd());
    if (ready.error) return error_from(ready.error, "cannot wait for the terminal");
    const auto arrived = Clock::now();
    std::vector<term::Event> batch;
    if (ready.value->input) {
      auto read = read_batch(io.tty);
      if (auto* error = std::get_if<Error>(&read)) return *error;
      batch = std::move(std::get<std::vector<term::Event>>(read));
    }
    // Bytes that complete no event yet count as no input.
    if (batch.empty()) {
      tick(state, arrived);
      continue;
    }
    auto handled = handle_events(io, state, batch, arrived);
    if (handled.error) return handled.error;
    if (handled.quit) return std::nullopt;
  }
}

}  // namespace orvane::app

#include "app/loop.hpp"

#include <algorithm>
#include <variant>

#include "app/frame.hpp"
#include "app/keys.hpp"
#include "bridge/decode.hpp"
#include "input/message_send.hpp"
#include "input/messages.hpp"
#include "trace/labels.hpp"

namespace orvane::app {

namespace {

constexpr auto kInputWait = std::chrono::milliseconds(8);
constexpr std::size_t kBatchEvents = 256;

// Interim intake: decode, refuse unknown schemas, drop stale revisions, store.
std::optional<Error> apply_lines(LoopState& state, std::vector<ReceivedLine>& lines) {
  for (auto& line : lines) {
    if (!state.pending_snapshot_start) state.pending_snapshot_start = line.received;
    const auto started = Clock::now();
    auto decoded = bridge::decode_snapshot(line.text);
    state.trace.record(trace::kParse, Clock::now() - started);
    if (auto* failure = std::get_if<bridge::DecodeError>(&decoded)) return Error{failure->message};
    auto& snapshot = std::get<bridge::Snapshot>(decoded);
    if (snapshot.schema != 1 && snapshot.schema != 2) return Error{"unsupported bridge schema"};
    if (snapshot.revision < state.snapshot.revision) continue;
    state.snapshot = std::move(snapshot);
    state.snapshot_seen = true;
    state.redraw = true;
  }
  return std::nullopt;
}

std::optional<Error> draw(Io& io, LoopState& state) {
  const auto frame_start = Clock::now();
  Clock::time_point render_end;
  auto error = io.terminal.draw([&](tui::Frame& frame) {
    draw_frame(state, frame);
    render_end = Clock::now();
  });
  if (error) return error_from(error, "cannot draw on the terminal");
  const auto now = Clock::now();
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
  if (!state.animating) {
    state.redraw = false;
    return;
  }
  const auto elapsed = std::chrono::duration_cast<std::chrono::nanoseconds>(now - state.animation_start).count();
  const auto tick = static_cast<std::uint64_t>(elapsed) * 30 / 1'000'000'000;
  const auto step = static_cast<std::uint64_t>(elapsed / 1'000'000) / 125;
  const auto& status = state.snapshot.status;
  const bool busy = status == "active" || status == "running" || status == "working";
  if ((tick != state.last_tick && busy) || step != state.last_step) {
    state.last_tick = tick;
    state.last_step = step;
    state.redraw = true;
  } else {
    state.redraw = false;
  }
}

enum class Handled { Continue, Quit };

struct BatchResult {
  Handled handled = Handled::Continue;
  std::optional<Error> error;
};

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

BatchResult handle_events(Io& io, LoopState& state, const std::vector<term::Event>& batch,
                          Clock::time_point arrived) {
  if (!state.pending_input_start) state.pending_input_start = arrived;
  state.pending_input_label = input_label(batch);
  const auto now = Clock::now();
  state.redraw = false;
  BatchResult result;
  for (const auto& event : batch) {
    if (const auto* key = std::get_if<term::KeyEvent>(&event)) {
      const auto outcome = handle_key(state, io.outbox, *key);
      if (outcome.error) return {Handled::Continue, error_from(outcome.error, "cannot write to the bridge")};
      if (outcome.outcome == KeyOutcome::Quit) return {Handled::Quit, {}};
    } else if (const auto* resize = std::get_if<term::ResizeEvent>(&event)) {
      io.terminal.resize(resize->width, resize->height);
      state.redraw = true;
    }
  }
  state.trace.record(trace::kEventHandling, Clock::now() - now);
  return result;
}

}  // namespace

std::optional<Error> run_loop(Io io, LoopState& state) {
  while (true) {
    auto drained = io.channel.drain();
    if (drained.closed && drained.lines.empty()) return std::nullopt;
    if (auto error = apply_lines(state, drained.lines)) return error;

    if (state.chord && Clock::now() - *state.chord > std::chrono::seconds(3)) {
      state.chord.reset();
      state.redraw = true;
    }

    if (state.redraw) {
      if (auto error = draw(io, state)) return error;
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
    if (handled.handled == Handled::Quit) return std::nullopt;
  }
}

}  // namespace orvane::app

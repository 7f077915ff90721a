#include "app/intake.hpp"

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <variant>
#include <vector>

#include "bridge/coalesce.hpp"
#include "bridge/decode.hpp"
#include "bridge/patch.hpp"
#include "bridge/snapshot.hpp"
#include "editor/editor.hpp"
#include "editor/spaced.hpp"
#include "input/message_send.hpp"
#include "input/messages.hpp"
#include "render/animating.hpp"
#include "trace/labels.hpp"
#include "unicode/grapheme.hpp"
#include "unicode/properties.hpp"

namespace orvane::app {

namespace {

constexpr std::string_view kUnsupportedSchema = "unsupported bridge schema";
constexpr auto kAutosaveDelay = std::chrono::milliseconds(700);

bool grapheme_boundary(std::string_view text, std::size_t offset) {
  std::size_t at = 0;
  while (at < offset) at = unicode::next_boundary(text, at);
  return at == offset;
}

// Text from the bridge goes in at the cursor; it never replaces what the user selected.
void insert_at_cursor(editor::Editor& composer, std::string_view text) {
  composer.anchor.reset();
  composer.insert(text);
}

// Dictated words go where recording started, with a space on each side where they would
// otherwise run into a word.
void insert_voice(editor::Editor& composer, std::optional<std::size_t>& voice_anchor,
                  std::string_view words) {
  const std::size_t typed_up_to = composer.cursor;
  const std::optional<std::size_t> anchor = std::exchange(voice_anchor, std::nullopt);
  if (anchor && *anchor <= composer.text.size() && grapheme_boundary(composer.text, *anchor)) {
    composer.cursor = *anchor;
  }
  const std::size_t at = composer.cursor;
  const std::string inserted = editor::spaced(composer.text, at, words);
  insert_at_cursor(composer, inserted);
  // The user typed on while recording: the cursor stays where it was in their text.
  if (typed_up_to > at) {
    composer.cursor = std::min(typed_up_to + inserted.size(), composer.text.size());
  }
}

// The composer part of reconciliation: the reset of a new generation, the restored text
// and the inserted text. Returns the text to send when the insert asks for that.
std::optional<std::string> edit_composer(editor::Editor& composer,
                                         std::optional<std::size_t>& voice_anchor,
                                         const bridge::Snapshot& next, bool new_generation) {
  if (new_generation) composer = editor::Editor{};
  if (!next.restore.empty()) {
    const bool had_text = !composer.text.empty();
    composer.cursor = 0;
    insert_at_cursor(composer, had_text ? next.restore + "\n\n" : next.restore);
  }
  if (next.insert.empty()) return std::nullopt;
  if (next.insert_kind == "voice") {
    insert_voice(composer, voice_anchor, next.insert);
  } else {
    insert_at_cursor(composer, next.insert);
  }
  if (!next.auto_send_insert || unicode::is_blank(composer.text)) return std::nullopt;
  return composer.take();
}

// The automatic send is the one step of reconciliation that can fail. When it may
// happen, the composer steps run on copies that replace the originals only once the
// message is written, so a failing line leaves the composer as it was.
std::error_code reconcile_composer(LoopState& state, const bridge::Snapshot& next,
                                   bool new_generation, input::Outbox& outbox) {
  if (!next.auto_send_insert || next.insert.empty()) {
    edit_composer(state.composer, state.voice_anchor, next, new_generation);
    return {};
  }
  editor::Editor composer = new_generation ? editor::Editor{} : state.composer;
  std::optional<std::size_t> voice_anchor = state.voice_anchor;
  if (const auto text = edit_composer(composer, voice_anchor, next, false)) {
    const input::Message submit =
        input::submit_message(next.generation, *text, input::SubmitMode::kQueue);
    if (const std::error_code error = input::send(outbox, submit)) return error;
  }
  state.composer = std::move(composer);
  state.voice_anchor = voice_anchor;
  return {};
}

void leave_page(LoopState& state, const bridge::Snapshot& next) {
  const std::string& current = state.snapshot.agent_page;
  if (!state.page_history.empty() && state.page_history.back().page == next.agent_page) {
    const PageEntry back = std::move(state.page_history.back());
    state.page_history.pop_back();
    state.transcript_offset = back.transcript_offset;
    state.follow = back.follow;
    state.details_offset = back.details_offset;
  } else {
    state.page_history.push_back(
        {current, state.transcript_offset, state.follow, state.details_offset});
    if (state.page_history.size() > kPageHistoryEntries) {
      state.page_history.erase(state.page_history.begin(),
                               state.page_history.end() - kPageHistoryEntries);
    }
    state.transcript_offset = 0;
    state.follow = false;
    state.details_offset = 0;
  }
  state.target_mode = false;
}

void cache_completions(LoopState& state, const bridge::Snapshot& next) {
  const std::string& key =
      next.completion_prefix.empty() ? next.completion_query : next.completion_prefix;
  if (key.empty()) return;
  std::erase_if(state.completion_cache,
                [&](const CompletionEntry& entry) { return entry.key == key; });
  state.completion_cache.push_back({key, next.completions});
  if (state.completion_cache.size() > kCompletionCacheEntries) {
    state.completion_cache.erase(state.completion_cache.begin(),
                                 state.completion_cache.end() - kCompletionCacheEntries);
  }
}

// Brings the view state in line with the change from the current snapshot to `next`.
// The composer steps have run already; the rest cannot fail.
void reconcile_view(LoopState& state, const bridge::Snapshot& next, bool new_generation,
                    Intake& result) {
  const bridge::Snapshot& current = state.snapshot;
  if (new_generation) {
    state.page_history.clear();
    state.transcript_offset = 0;
    state.follow = true;
    state.details_offset = 0;
    state.target_mode = false;
  }
  if (next.agent_page != current.agent_page) leave_page(state, next);
  if (next.theme != current.theme) result.theme_changed = true;
  if (next.panel_title != current.panel_title) {
    state.panel_scroll = 0;
    state.selection = 0;
    state.panel_text_focus = false;
    state.panel_filter.clear();
  }
  const std::string_view prompt_id = next.prompt ? std::string_view(next.prompt->id) : "";
  if (prompt_id != state.prompt_key) {
    state.answer = editor::Editor{};
    state.prompt_key = prompt_id;
    state.selection = 0;
    state.panel_scroll = 0;
  }
  const std::string_view form_id = next.form ? std::string_view(next.form->id) : "";
  if (form_id != state.form_key) {
    state.form_editor = editor::Editor{};
    if (next.form) state.form_editor.insert(next.form->body);
    state.form_key = form_id;
    state.form_last_edit.reset();
    state.form_edits = 0;
  }
  // The bridge's history seeds the composer once; afterwards the composer keeps its own.
  if (!state.snapshot_seen) {
    state.composer.sent = next.history;
    state.composer.recall = state.composer.sent.size();
  }
  if (next.voice_phase == "recording") {
    if (current.voice_phase != "recording") state.voice_anchor = state.composer.cursor;
  } else if (next.voice_phase != "transcribing") {
    state.voice_anchor.reset();
  }
  if (new_generation) state.completion_cache.clear();
  cache_completions(state, next);
}

// The first block from `from` on that shows a spinner, or the number of blocks.
std::size_t first_spinning_block(const std::vector<bridge::Content>& blocks, std::size_t from) {
  const auto first = std::find_if(blocks.begin() + static_cast<std::ptrdiff_t>(from), blocks.end(),
                                  render::spinning);
  return static_cast<std::size_t>(first - blocks.begin());
}

// Applies one decoded line. Every check that can refuse it runs before anything changes.
std::optional<Error> apply(LoopState& state, bridge::Snapshot next, input::Outbox& outbox,
                           Intake& result) {
  if (next.schema != 1 && next.schema != 2) return Error{std::string(kUnsupportedSchema)};
  if (next.revision < state.snapshot.revision) return std::nullopt;
  if (const auto error = bridge::patch_error(next, state.snapshot)) {
    return Error{std::string(*error)};
  }

  const bool new_generation = next.generation != state.snapshot.generation;
  if (const std::error_code error = reconcile_composer(state, next, new_generation, outbox)) {
    return error_from(error, "cannot write to the bridge");
  }
  reconcile_view(state, next, new_generation, result);
  const std::size_t kept = next.schema == 2 ? static_cast<std::size_t>(next.blocks_from) : 0;
  // Cannot fail: patch_error passed and neither transcript has changed since.
  static_cast<void>(bridge::restore_blocks(next, state.snapshot));

  state.logs_view = next.details_panel.tab == "Logs" && next.details_sidebar;
  if (next.details_panel.tab != state.snapshot.details_panel.tab) {
    state.details_offset = 0;
    state.selected_file = 0;
  }
  // The client alone decides which sidebar was opened last.
  next.last_opened = state.snapshot.last_opened;

  state.snapshot = std::move(next);
  state.blocks_as_drawn = std::min(state.blocks_as_drawn, kept);
  state.first_spinning_block =
      first_spinning_block(state.snapshot.blocks, std::min(kept, state.first_spinning_block));
  state.animating =
      render::animating(state.snapshot, state.first_spinning_block < state.snapshot.blocks.size());
  state.snapshot_seen = true;
  state.redraw = true;
  result.accepted = true;
  return std::nullopt;
}

std::optional<Error> take_in(LoopState& state, const ReceivedLine& line, input::Outbox& outbox,
                             Intake& result) {
  const Clock::time_point started = Clock::now();
  std::variant<bridge::Snapshot, bridge::DecodeError> decoded = bridge::decode_snapshot(line.text);
  state.trace.record(trace::kParse, Clock::now() - started);
  if (auto* error = std::get_if<bridge::DecodeError>(&decoded)) {
    return Error{std::move(error->message)};
  }
  if (auto error = apply(state, std::move(std::get<bridge::Snapshot>(decoded)), outbox, result)) {
    return error;
  }
  // Taken only once the line went through: a refused line changes nothing.
  if (!state.pending_snapshot_start) state.pending_snapshot_start = line.received;
  return std::nullopt;
}

}  // namespace

Intake intake(LoopState& state, const Channel::Drained& drained, input::Outbox& outbox) {
  Intake result;
  if (drained.closed && drained.lines.empty()) {
    result.ended = true;
    return result;
  }
  const std::size_t count = drained.lines.size();
  for (std::size_t i = 0; i < count; ++i) {
    const ReceivedLine& line = drained.lines[i];
    if (i + 1 < count && bridge::coalescable(line.text)) continue;
    if (auto error = take_in(state, line, outbox, result)) {
      result.error = std::move(error);
      return result;
    }
  }
  return result;
}

std::error_code autosave(LoopState& state, input::Outbox& outbox, Clock::time_point now) {
  if (!state.form_last_edit || now - *state.form_last_edit <= kAutosaveDelay) return {};
  if (!state.snapshot.form || !state.snapshot.form->autosave) return {};
  if (const std::error_code error =
          input::save(outbox, state.snapshot, state.form_editor, state.form_edits)) {
    return error;
  }
  state.form_last_edit.reset();
  return {};
}

}  // namespace orvane::app

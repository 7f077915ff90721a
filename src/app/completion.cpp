#include "app/completion.hpp"

#include "unicode/case.hpp"
#include "unicode/properties.hpp"
#include "unicode/utf8.hpp"

namespace orvane::app {

// Walks back from the end, so that a long text costs only its last word.
std::string_view word_before(std::string_view before) {
  std::size_t end = before.size();
  while (end > 0) {
    const std::size_t start = unicode::code_point_start(before, end);
    if (unicode::is_white_space(unicode::decode(before, start).code_point)) break;
    end = start;
  }
  return before.substr(end);
}

std::string_view word_at_cursor(const editor::Editor& composer) {
  return word_before(std::string_view(composer.text).substr(0, composer.cursor));
}

std::vector<std::string> completion_candidates(const std::vector<CompletionEntry>& cache,
                                               std::string_view text, std::size_t cursor) {
  const std::string_view before = text.substr(0, cursor);
  const std::string_view word = word_before(before);
  const std::string_view head = before.substr(0, before.size() - word.size());
  const CompletionEntry* best = nullptr;
  for (const CompletionEntry& entry : cache) {
    const std::string_view key = entry.key;
    const std::string_view key_word = word_before(key);
    if (key.substr(0, key.size() - key_word.size()) != head || !word.starts_with(key_word))
      continue;
    if (!best || key.size() > best->key.size()) best = &entry;
  }
  if (!best) return {};
  if (best->key == before) return best->candidates;
  std::string_view needle = word;
  while (needle.starts_with('@')) needle.remove_prefix(1);
  const std::string lowered = unicode::to_lower(needle);
  std::vector<std::string> narrowed;
  for (const std::string& candidate : best->candidates) {
    if (unicode::to_lower(candidate).starts_with(lowered)) narrowed.push_back(candidate);
  }
  return narrowed;
}

bridge::Snapshot completion_overlay(const LoopState& state) {
  bridge::Snapshot overlay;
  overlay.theme = state.snapshot.theme;
  overlay.completion_query = std::string(word_at_cursor(state.composer));
  overlay.completions =
      completion_candidates(state.completion_cache, state.composer.text, state.composer.cursor);
  return overlay;
}

bool popup_active(const LoopState& state) {
  const std::string_view word = word_at_cursor(state.composer);
  return state.snapshot.panel_title.empty() && !state.snapshot.prompt &&
         state.overlay.completion_query == word && word != state.dismissed_word &&
         !state.overlay.completions.empty();
}

}  // namespace orvane::app

#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/state.hpp"
#include "bridge/snapshot.hpp"

namespace orvane::app {

// The piece of `before` after its last whitespace character: the word being typed when
// `before` is the text before the cursor. Empty when `before` is empty or ends with
// whitespace.
std::string_view word_before(std::string_view before);

// The word at the composer cursor.
std::string_view word_at_cursor(const editor::Editor& composer);

// The candidates for the word at `cursor` in `text`, from the longest cached answer for
// the same text before the word and a beginning of the word. An answer for exactly the
// text before the cursor is used as it came; an answer for a shorter beginning is narrowed
// to the candidates starting with the word (leading "@" dropped), ignoring case.
std::vector<std::string> completion_candidates(const std::vector<CompletionEntry>& cache,
                                               std::string_view text, std::size_t cursor);

// The frame overlay: the theme, the word at the cursor as `completion_query` and its
// candidates as `completions`; everything else default.
bridge::Snapshot completion_overlay(const LoopState& state);

// Whether the popup is shown and takes its keys: no panel, no prompt, the overlay was built
// for the word now at the cursor, that word was not dismissed, and there are candidates.
bool popup_active(const LoopState& state);

}  // namespace orvane::app

#pragma once
#include <cstddef>

#include "bridge/snapshot.hpp"
#include "tui/rect.hpp"

namespace orvane::render::dialogs {

// The two parts of a prompt box under its title row.
struct PromptRegions {
  tui::Rect body;
  // The choices, then the answer line of a question and the key hints.
  tui::Rect choices;
};

// The prompt box: the full width of the transcript rectangle, at its bottom, as tall as the
// prompt's text (at most six rows of it), its choices and, for a question, the answer line.
tui::Rect prompt_area(tui::Rect transcript, const bridge::Prompt& prompt);

// Splits a prompt box into its body and its choice area, for `choices` choices.
PromptRegions prompt_regions(tui::Rect area, std::size_t choices);

}  // namespace orvane::render::dialogs

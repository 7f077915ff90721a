#include "render/dialogs/prompt.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "render/cache.hpp"
#include "render/dialogs/prompt_area.hpp"
#include "render/editor_view.hpp"
#include "render/rows_window.hpp"
#include "tui/block.hpp"
#include "tui/clear.hpp"
#include "tui/paragraph.hpp"
#include "unicode/padded.hpp"
#include "unicode/width.hpp"

namespace orvane::render::dialogs {

namespace {

constexpr const char* kAnswerLabel = " Answer ";
constexpr const char* kAnswerHint = "   Enter submit";
constexpr const char* kHint =
    " \u2191/\u2193 choose \u00b7 Enter select \u00b7 keys pick \u00b7 Esc deny";

std::vector<tui::Line> body_lines(const bridge::Prompt& prompt, tui::Rect body, std::size_t scroll,
                                  const Palette& palette) {
  return rows_window(plain_rows(prompt.lines, body.width, palette), scroll, body.height);
}

tui::Line choice_line(const bridge::Choice& choice, bool selected, std::size_t width,
                      const Palette& palette) {
  std::string text =
      std::string(" ") + (selected ? "\u25b8" : " ") + " [" + choice.key + "] " + choice.label;
  if (choice.disabled) text += " (unavailable)";
  tui::Style style = tui::Style{}.with_fg(palette.muted).with_bg(palette.surface);
  if (choice.disabled) {
    style = tui::Style{}.with_fg(palette.faint).with_bg(palette.surface);
  } else if (selected) {
    style = tui::Style{}.with_fg(palette.text).with_bg(palette.focus).with_add(tui::Modifier::Bold);
  }
  return tui::Line({tui::Span(unicode::padded(text, width), style)});
}

// The typed answer with its cursor where the editor has it; a long answer shows the stretch
// around the cursor, so the key hint after it stays in view.
tui::Line answer_line(const editor::Editor& answer, std::size_t width, const Palette& palette) {
  const tui::Style faint = tui::Style{}.with_fg(palette.faint);
  const std::size_t labels = unicode::text_width(kAnswerLabel) + unicode::text_width(kAnswerHint);
  const auto room =
      static_cast<std::uint16_t>(std::min<std::size_t>(width > labels ? width - labels : 1, 65535));
  tui::Line line({tui::Span(kAnswerLabel, faint)});
  for (tui::Line& row : editor_view(answer, false, palette, room, 1)) {
    for (tui::Span& span : row.spans) line.spans.push_back(std::move(span));
  }
  line.spans.push_back(tui::Span(kAnswerHint, faint));
  return line;
}

}  // namespace

void draw_prompt(tui::Frame& frame, tui::Rect transcript, const bridge::Prompt& prompt,
                 std::size_t selection, std::size_t scroll, const editor::Editor& answer,
                 const Palette& palette) {
  const tui::Rect box = prompt_area(transcript, prompt);
  const PromptRegions regions = prompt_regions(box, prompt.choices.size());
  const tui::Style surface = tui::Style{}.with_bg(palette.surface);

  tui::render(tui::Clear{}, box, frame.buffer);
  tui::Block fill;
  fill.style = tui::Style{}.with_fg(palette.text).with_bg(palette.surface);
  tui::render(fill, box, frame.buffer);

  const std::string title = prompt.kind == "permission" ? "Permission requested" : "Question";
  const tui::Style title_style =
      tui::Style{}.with_fg(palette.accent).with_bg(palette.surface).with_add(tui::Modifier::Bold);
  // Kept inside the box: a transcript with no rows left must not get a title over the composer.
  const tui::Rect title_area = tui::Rect{tui::Rect::saturate(long{transcript.x} + 2), box.y,
                                         tui::Rect::saturate(long{transcript.width} - 4), 1}
                                   .intersection(box);
  tui::render(tui::Paragraph{{tui::Line({tui::Span(title, title_style)})}, surface}, title_area,
              frame.buffer);

  tui::render(tui::Paragraph{body_lines(prompt, regions.body, scroll, palette), surface},
              regions.body, frame.buffer);

  tui::Paragraph choices{{}, surface};
  for (std::size_t i = 0; i < prompt.choices.size(); ++i) {
    choices.lines.push_back(
        choice_line(prompt.choices[i], i == selection, regions.choices.width, palette));
  }
  if (prompt.kind == "question") {
    choices.lines.push_back(answer_line(answer, regions.choices.width, palette));
  }
  choices.lines.push_back(tui::Line({tui::Span(kHint, tui::Style{}.with_fg(palette.faint))}));
  tui::render(choices, regions.choices, frame.buffer);
}

}  // namespace orvane::render::dialogs

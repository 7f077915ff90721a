#pragma once
// The block layouts behind `build`. Each appends the block's lines to `out` at a
// build width of at least 8 columns.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bridge/snapshot.hpp"
#include "render/palette.hpp"
#include "transcript/transcript_line.hpp"
#include "tui/style.hpp"
#include "tui/text.hpp"

namespace orvane::transcript {

// Where a spinner turns; the drawing replaces it with the current frame.
inline constexpr std::string_view kSpinnerPlaceholder = "\xEE\x80\x80";

// `text` as one paragraph: its line breaks become spaces, which the wrapper may break
// at. Left in place they would be zero-width controls, and the words on either side
// would be drawn run together.
std::string flowed(std::string_view text);

// How `append_wrapped` finishes each line: `base` is laid under every span, and with
// `fill` the line is padded with spaces in `base` to `width` columns.
struct RowStyle {
  tui::Style base;
  bool fill = false;
  std::size_t width = 0;
};

// The lines `line` makes of the rows of `wrap(spans, columns)`: the first after
// `first`, every later one after `rest`, each with its own copy of `click`.
void append_wrapped(std::vector<TranscriptLine>& out, std::vector<tui::Span> spans,
                    std::size_t columns, std::vector<tui::Span> first,
                    const std::vector<tui::Span>& rest, const RowStyle& style,
                    const std::optional<bridge::JsonValue>& click);

// What `indented` appends, through `append_wrapped`.
void append_indented(std::vector<TranscriptLine>& out, std::vector<tui::Span> spans,
                     std::size_t indent, std::size_t width,
                     const std::optional<bridge::JsonValue>& click);

// The spacer lines and then the block's own layout; tool groups call it for nested members.
void append_block(std::vector<TranscriptLine>& out, const bridge::Content& block, std::size_t width,
                  const render::Palette& palette);

void generic_block(std::vector<TranscriptLine>& out, const bridge::Content& block,
                   std::size_t width, const render::Palette& palette);
void error_text(std::vector<TranscriptLine>& out, const bridge::Content& block, std::size_t width,
                const render::Palette& palette);
void tool_lines(std::vector<TranscriptLine>& out, const bridge::Content& block, std::size_t width,
                const render::Palette& palette);
void tool_group(std::vector<TranscriptLine>& out, const bridge::Content& block, std::size_t width,
                const render::Palette& palette);
void thought(std::vector<TranscriptLine>& out, const bridge::Content& block, std::size_t width,
             const render::Palette& palette);
void agent_heading(std::vector<TranscriptLine>& out, const bridge::Content& block,
                   std::size_t width, const render::Palette& palette);
void context_badge(std::vector<TranscriptLine>& out, const bridge::Content& block,
                   std::size_t width, const render::Palette& palette);
void context_strip(std::vector<TranscriptLine>& out, const bridge::Content& block,
                   std::size_t width, const render::Palette& palette);
void collapsed_block(std::vector<TranscriptLine>& out, const bridge::Content& block,
                     std::size_t width, const render::Palette& palette);
void markdown_text(std::vector<TranscriptLine>& out, const bridge::Content& block,
                   std::size_t width, const render::Palette& palette);
void summary(std::vector<TranscriptLine>& out, const bridge::Content& block, std::size_t width,
             const render::Palette& palette);
void hints(std::vector<TranscriptLine>& out, const bridge::Content& block, std::size_t width,
           const render::Palette& palette);

// One line of a tool-group member's output, under the gutter: "key: value" lines
// indented by two spaces get a key column, every other line is wrapped as it stands.
void member_output(std::vector<TranscriptLine>& out, std::string_view text, std::size_t width,
                   const std::optional<bridge::JsonValue>& click, const render::Palette& palette);

}  // namespace orvane::transcript

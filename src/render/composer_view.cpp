#include "render/composer_view.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "render/activity_bar.hpp"
#include "render/animating.hpp"
#include "render/composer_geometry.hpp"
#include "render/control_layout.hpp"
#include "render/control_row.hpp"
#include "render/editor_view.hpp"
#include "transcript/color.hpp"
#include "tui/block.hpp"
#include "tui/paragraph.hpp"

namespace orvane::render {

namespace {

// `rect` moved right by `dx` and down by `dy`, narrowed by `shrink` columns; saturating.
tui::Rect inset(tui::Rect rect, std::uint16_t dx, std::uint16_t dy, std::uint16_t shrink,
                std::uint16_t height) {
  return {tui::Rect::saturate(long{rect.x} + dx), tui::Rect::saturate(long{rect.y} + dy),
          tui::Rect::saturate(long{rect.width} - shrink), height};
}

void draw_banner(tui::Buffer& buffer, tui::Rect area, const Palette& palette) {
  tui::Block block;
  block.style = tui::Style().with_fg(palette.muted).with_bg(palette.surface);
  block.padding = {.left = 2, .right = 2, .top = 1, .bottom = 0};
  tui::render(block, area, buffer);
  const tui::Paragraph banner{
      {tui::Line(
          {tui::Span("Sub agent \u00B7 read-only \u00B7 Esc or \u2191 returns to the parent")})},
      {}};
  tui::render(banner, block.inner(area), buffer);
}

void draw_queue(tui::Buffer& buffer, tui::Rect row, const bridge::Snapshot& snapshot,
                const Palette& palette) {
  std::vector<tui::Line> lines;
  const std::size_t queued = std::min(snapshot.queue_lines.size(), kQueuedShown);
  for (std::size_t i = 0; i < queued; ++i) {
    lines.emplace_back(
        std::vector<tui::Span>{{snapshot.queue_lines[i], tui::Style().with_fg(palette.faint)}});
  }
  std::string attachments;
  for (const std::string& attachment : snapshot.attachment_lines) {
    if (!attachments.empty()) attachments += kControlSeparator;
    attachments += attachment;
  }
  lines.emplace_back(
      std::vector<tui::Span>{{std::move(attachments), tui::Style().with_fg(palette.accent)}});
  tui::render(tui::Paragraph{std::move(lines), {}}, inset(row, 2, 0, 4, row.height), buffer);
}

void draw_editor(tui::Buffer& buffer, tui::Rect area, tui::Rect box,
                 const bridge::Snapshot& snapshot, const editor::Editor& editor,
                 const Palette& palette, const tui::Color& agent_color,
                 std::optional<std::size_t> voice_anchor, VoiceReveal& reveal,
                 std::uint64_t slow_tick) {
  const tui::Style surface = tui::Style().with_bg(palette.surface);
  // The box runs on over the control row beneath it; on a composer too short for that row
  // it stops at the composer's edge rather than paint over whatever lies below.
  const tui::Rect panel =
      inset(box, 2, 0, 4, tui::Rect::saturate(long{box.height} + 1)).intersection(area);
  tui::Block block;
  block.style = surface;
  tui::render(block, panel, buffer);
  const tui::Style bar = tui::Style().with_fg(agent_color).with_bg(palette.surface);
  for (std::uint16_t y = panel.y; y < panel.bottom() && !panel.empty(); ++y) {
    buffer.set_string(panel.x, y, "\u2502", bar);
  }

  const tui::Rect text_area = inset(box, 5, 1, 9, tui::Rect::saturate(long{box.height} - 1));
  std::optional<editor::Editor> spliced;
  if (voice_active(snapshot)) {
    note_preview(reveal, snapshot.voice_preview, slow_tick);
    spliced = with_preview(editor, revealed_preview(snapshot.voice_preview, reveal, slow_tick),
                           voice_anchor);
  }
  const editor::Editor& shown = spliced ? *spliced : editor;
  if (shown.text.empty()) {
    const tui::Paragraph placeholder{{tui::Line({tui::Span("Type a message\u2026")})},
                                     tui::Style().with_fg(palette.faint).with_bg(palette.surface)};
    tui::render(placeholder, text_area, buffer);
    return;
  }
  tui::render(tui::Paragraph{editor_view(shown, false, palette, text_area.width, text_area.height),
                             surface},
              text_area, buffer);
}

}  // namespace

void draw_composer(tui::Buffer& buffer, tui::Rect area, const bridge::Snapshot& snapshot,
                   const editor::Editor& editor, const Palette& palette,
                   std::optional<std::size_t> voice_anchor, VoiceReveal& reveal,
                   ComposerClock clock) {
  if (!snapshot.agent_page.empty()) {
    draw_banner(buffer, area, palette);
    return;
  }
  const tui::Color agent_color = transcript::color(snapshot.agent_color, palette.blue, palette);
  const ComposerRows rows = composer_rows(area, snapshot.queue_lines.size());

  draw_editor(buffer, area, rows.editor, snapshot, editor, palette, agent_color, voice_anchor,
              reveal, clock.slow_tick);
  draw_queue(buffer, rows.queue, snapshot, palette);

  const tui::Rect controls =
      inset(rows.controls, 5, 0, 9, std::min<std::uint16_t>(rows.controls.height, 1));
  const ControlLayout layout = control_layout(snapshot, controls.width);
  const tui::Line row = control_row(
      layout, meter_cells(snapshot.context_used, snapshot.context_window), agent_color, palette);
  tui::render(tui::Paragraph{{row}, tui::Style().with_bg(palette.surface)}, controls, buffer);

  const tui::Rect activity =
      inset(rows.activity, 2, 0, 4, std::min<std::uint16_t>(rows.activity.height, 1));
  tui::render(tui::Paragraph{{activity_bar(activity.width, is_busy(snapshot.status), palette.rule,
                                           agent_color, clock.fast_tick)},
                             {}},
              activity, buffer);
}

void draw_recording_mark(tui::Buffer& buffer, tui::Rect area, const bridge::Snapshot& snapshot,
                         const Palette& palette, std::uint64_t slow_tick) {
  if (snapshot.voice_phase != "recording") return;
  const ComposerRows rows = composer_rows(area, snapshot.queue_lines.size());
  const tui::Color& blink = (slow_tick & 4) == 0 ? palette.accent : palette.faint;
  const tui::Rect mark = tui::Rect{tui::Rect::saturate(long{rows.editor.x} + 5), rows.activity.y, 1,
                                   std::min<std::uint16_t>(rows.activity.height, 1)}
                             .intersection(area);
  tui::render(tui::Paragraph{{tui::Line({tui::Span("\u25A0")})},
                             tui::Style().with_fg(blink).with_bg(palette.surface)},
              mark, buffer);
}

}  // namespace orvane::render

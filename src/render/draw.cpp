#include "render/draw.hpp"

#include <algorithm>
#include <chrono>

#include "render/composer_geometry.hpp"
#include "render/composer_view.hpp"
#include "render/decorate.hpp"
#include "render/chrome/top_bar.hpp"
#include "render/dialogs/panel.hpp"
#include "render/dialogs/prompt.hpp"
#include "render/palette.hpp"
#include "render/sidebars.hpp"
#include "render/transcript_update.hpp"
#include "tui/block.hpp"
#include "tui/paragraph.hpp"
#include "tui/scrollbar.hpp"

namespace orvane::render {

namespace {

// Scrolls the transcript, draws its visible lines and, when it overflows, the scrollbar.
void draw_transcript(tui::Buffer& buffer, tui::Rect area, const bridge::Snapshot& snapshot,
                     const View& view, Cache& cache, const Palette& palette) {
  const std::size_t height = area.height;
  const std::size_t count = cache.lines.len;
  // A sub-agent page can scroll its last line up to 30 % of the height above the bottom.
  cache.bottom_space = snapshot.agent_page.empty() ? 0 : 3 * height / 10;
  cache.max_top = count + cache.bottom_space > height ? count + cache.bottom_space - height : 0;
  const std::size_t top = view.follow ? cache.max_top : std::min(view.transcript_offset, cache.max_top);

  tui::render(tui::Paragraph{visible_lines(cache, top, height, palette), {}}, area, buffer);

  if (count + cache.bottom_space > height && area.width >= 3) {
    tui::Scrollbar scrollbar;
    scrollbar.thumb_symbol = "\u2590";
    scrollbar.thumb_style = tui::Style{}.with_fg(palette.border);
    scrollbar.track_symbol = " ";
    scrollbar.track_style = tui::Style{}.with_bg(palette.background);
    scrollbar.content_length = cache.max_top;
    scrollbar.position = top;
    tui::render(scrollbar, area, buffer);
  }
}

}  // namespace

Regions draw(tui::Frame& frame, const bridge::Snapshot& snapshot, const View& view, Cache& cache) {
  const Palette palette = Palette::make(is_light(snapshot.theme));
  tui::Block background;
  background.style = tui::Style{}.with_fg(palette.text).with_bg(palette.background);
  tui::render(background, frame.area, frame.buffer);

  const std::uint16_t composer = composer_height(frame.area, view.composer, snapshot);
  const Regions regions = render::regions(frame.area, snapshot, composer);
  chrome::draw_top_bar(frame.buffer, snapshot, regions.top, palette, cache.slow_tick);
  const bool sessions_shown = regions.sessions.width > 0 && regions.sessions.height > 0;
  if (sessions_shown) {
    draw_sessions_sidebar(frame.buffer, regions.sessions, snapshot, view.sidebar_offset, cache,
                          palette);
  }

  update_transcript(cache, snapshot, !view.composer.text.empty(), regions.transcript.width, palette,
                    view.blocks_as_drawn);
  draw_transcript(frame.buffer, regions.transcript, snapshot, view, cache, palette);

  draw_composer(frame.buffer, regions.composer, snapshot, view.composer, palette, cache.voice_anchor,
                cache.voice_reveal, {cache.slow_tick, cache.fast_tick});
  if (sessions_shown) draw_sessions_title(frame.buffer, regions.sessions, cache, palette);
  if (regions.details.width > 0) {
    draw_details(frame.buffer, regions.details, snapshot, view.logs_offset, view.details_offset,
                 cache, palette);
  }
  if (!snapshot.panel_title.empty()) {
    dialogs::draw_panel(frame, regions.transcript, snapshot, view, cache, palette);
  }
  if (snapshot.prompt) {
    dialogs::draw_prompt(frame, regions.transcript, *snapshot.prompt, view.selection, view.panel_scroll,
                         view.answer, palette);
  }
  draw_recording_mark(frame.buffer, regions.composer, snapshot, palette, cache.slow_tick);
  return regions;
}

}  // namespace orvane::render

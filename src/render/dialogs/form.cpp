#include "render/dialogs/form.hpp"

#include "render/editor_view.hpp"
#include "tui/layout.hpp"
#include "tui/paragraph.hpp"

namespace orvane::render::dialogs {

void draw_form(tui::Frame& frame, tui::Rect area, const bridge::Form& form,
               const editor::Editor& editor, const Palette& palette) {
  const auto pieces = tui::split(area, tui::Direction::Vertical, {tui::Min{1}, tui::Length{2}});
  const tui::Rect body = pieces[0], footer = pieces[1];

  tui::render(tui::Paragraph{editor_view(editor, form.secret, palette, body.width, body.height),
                             tui::Style{}.with_bg(palette.popup)},
              body, frame.buffer);

  const tui::Style style = tui::Style{}.with_fg(palette.accent).with_bg(palette.popup);
  tui::render(
      tui::Paragraph{
          {tui::Line({tui::Span(form.status)}),
           tui::Line({tui::Span("Ctrl+S save \u00b7 Ctrl+D delete \u00b7 Escape close")})},
          style},
      footer, frame.buffer);
}

}  // namespace orvane::render::dialogs

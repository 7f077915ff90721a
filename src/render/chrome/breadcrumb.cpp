#include "render/chrome/breadcrumb.hpp"

#include <algorithm>
#include <cstddef>

#include "render/animating.hpp"
#include "render/chrome/update_notice.hpp"
#include "render/spinner.hpp"
#include "transcript/color.hpp"
#include "transcript/truncate.hpp"
#include "unicode/width.hpp"

namespace orvane::render::chrome {

namespace {

bool awaits_input(std::string_view status) {
  return status == "input" || status == "awaiting_input" || status == "awaiting_permission";
}

}  // namespace

std::string breadcrumb_status(std::string_view status, std::uint64_t tick) {
  if (awaits_input(status)) return "\u25CF needs input";
  if (is_busy(status)) return std::string(spinner_frame(tick)) + " running";
  std::string text(status);
  std::replace(text.begin(), text.end(), '_', ' ');
  return text;
}

tui::Line breadcrumb_row(const bridge::Snapshot& snapshot, tui::Rect band, const Palette& palette,
                         std::uint64_t tick) {
  const std::string status = breadcrumb_status(snapshot.status, tick);
  const std::string notice =
      transcript::truncate(snapshot.update_notice, notice_width(snapshot, band));
  // In the compact bar the row carries the details button, which the tab row holds otherwise.
  const std::string cap = band.height == 2 ? "  \u2590 " : "  ";
  const std::string separator = notice.empty() ? "" : " \u00B7 ";
  const std::size_t used = unicode::text_width(status) + unicode::text_width(cap) +
                           unicode::text_width(notice) + unicode::text_width(separator) + 2;
  const std::string crumb = transcript::truncate(
      snapshot.breadcrumb, band.width - std::min<std::size_t>(band.width, used));
  const std::size_t taken = unicode::text_width(crumb) + used;
  const std::size_t fill = band.width - std::min<std::size_t>(band.width, taken);

  const tui::Color status_color =
      is_busy(snapshot.status) ? transcript::color(snapshot.agent_color, palette.blue, palette)
                               : palette.muted;
  return tui::Line({
      tui::Span("  " + crumb + std::string(fill, ' '), tui::Style().with_fg(palette.muted)),
      tui::Span(notice, tui::Style().with_fg(palette.accent)),
      tui::Span(separator, tui::Style().with_fg(palette.faint)),
      tui::Span(status, tui::Style().with_fg(status_color)),
      tui::Span(cap, tui::Style().with_fg(palette.border)),
  });
}

}  // namespace orvane::render::chrome

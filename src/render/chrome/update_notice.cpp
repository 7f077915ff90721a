#include "render/chrome/update_notice.hpp"

#include <algorithm>

#include "render/chrome/breadcrumb.hpp"
#include "transcript/truncate.hpp"
#include "unicode/width.hpp"

namespace orvane::render::chrome {

namespace {

constexpr std::size_t kMaxNotice = 20;

// Every spinner frame is one column wide, so any tick measures the status text.
std::size_t status_width(const bridge::Snapshot& snapshot) {
  return unicode::text_width(breadcrumb_status(snapshot.status, 0));
}

}  // namespace

std::size_t notice_width(const bridge::Snapshot& snapshot, tui::Rect band) {
  // The status text, the two leading columns and the cap ("  ▐ " in the compact bar, else "  ").
  const std::size_t reserved = status_width(snapshot) + 4 + (band.height == 2 ? 2 : 0);
  const std::size_t room =
      std::min(band.width - std::min<std::size_t>(band.width, reserved), kMaxNotice);
  return unicode::text_width(transcript::truncate(snapshot.update_notice, room));
}

bool update_notice_at(const bridge::Snapshot& snapshot, tui::Rect band, std::uint16_t column,
                      std::uint16_t row) {
  if (snapshot.update_notice.empty()) return false;
  // The notice is only ever drawn inside the band: a one-row band has no breadcrumb row.
  if (!band.contains(column, row)) return false;
  const bool compact = band.height == 2;
  if (row != (compact ? band.top() : band.top() + 1)) return false;
  // The notice ends where the separator, the status text and the cap begin.
  const std::size_t right = band.right();
  const std::size_t end = right - std::min(right, status_width(snapshot) + (compact ? 7 : 5));
  const std::size_t start = end - std::min(end, notice_width(snapshot, band));
  return start <= column && column < end;
}

}  // namespace orvane::render::chrome

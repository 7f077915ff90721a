#include "tui/terminal.hpp"

#include <optional>
#include <utility>

#include "tui/escape.hpp"
#include "unicode/utf8.hpp"

namespace orvane::tui {

namespace {

constexpr std::string_view kBeginSync = "\x1b[?2026h";
constexpr std::string_view kEndSync = "\x1b[?2026l";
constexpr std::string_view kResetPen = "\x1b[0m";
constexpr std::string_view kClearScreen = "\x1b[2J";
constexpr std::string_view kShowCursor = "\x1b[?25h";
constexpr std::string_view kHideCursor = "\x1b[?25l";

bool is_one_code_point(std::string_view symbol) {
  return symbol.size() == 1 || unicode::decode(symbol, 0).length == symbol.size();
}

}  // namespace

Terminal::Terminal(Sink sink, std::uint16_t width, std::uint16_t height)
    : sink_(std::move(sink)),
      previous_(Rect{0, 0, width, height}),
      current_(Rect{0, 0, width, height}) {}

void Terminal::resize(std::uint16_t width, std::uint16_t height) {
  previous_.resize(Rect{0, 0, width, height});
  current_.resize(Rect{0, 0, width, height});
  whole_ = true;
}

std::error_code Terminal::draw(const std::function<void(Frame&)>& render) {
  current_.reset();
  Frame frame{current_, current_.area(), std::nullopt};
  render(frame);
  // A callback that resized the frame's buffer leaves nothing to compare it with.
  if (current_.area() != previous_.area()) whole_ = true;

  bytes_.clear();
  bytes_ += kBeginSync;
  if (whole_) {
    // The pen state of the terminal is unknown; the clear must paint the default background.
    bytes_ += kResetPen;
    bytes_ += kClearScreen;
  }
  encode_cells();
  const Rect area = current_.area();
  if (frame.cursor && area.contains(frame.cursor->x, frame.cursor->y)) {
    append_move(bytes_, *frame.cursor);
    bytes_ += kShowCursor;
  } else {
    bytes_ += kHideCursor;
  }
  bytes_ += kEndSync;

  const std::error_code error = sink_(bytes_);
  std::swap(previous_, current_);
  whole_ = static_cast<bool>(error);
  return error;
}

void Terminal::encode_cells() {
  const Rect area = current_.area();
  const std::vector<Cell>& cells = current_.content();
  const std::vector<Cell>& before = previous_.content();
  Pen pen;
  // Where the terminal's cursor is: after text it stands just past it. No cell lies at
  // kNowhere, since a row ends at column 65 535 at the latest.
  constexpr Position kNowhere{65535, 65535};
  Position at = kNowhere;
  std::size_t i = 0;
  for (std::uint16_t y = area.y; y < area.bottom(); ++y) {
    for (std::uint16_t x = area.x; x < area.right(); ++x, ++i) {
      const Cell& cell = cells[i];
      if (cell.skip || (!whole_ && cell == before[i])) continue;
      if (at != Position{x, y}) append_move(bytes_, {x, y});
      const Pen wanted = pen_of(cell);
      append_sgr(bytes_, pen, wanted);
      pen = wanted;
      const std::string_view symbol = cell.shown();
      const std::uint16_t width = x + 1 < area.right() && cells[i + 1].skip ? 2 : 1;
      const bool replaced = !append_symbol(bytes_, symbol, width);
      // Terminals disagree on the width of some sequences (emoji, flags); after one the
      // cursor is placed again rather than trusted.
      if (replaced || is_one_code_point(symbol)) {
        at = Position{static_cast<std::uint16_t>(x + width), y};
      } else {
        at = kNowhere;
      }
    }
  }
  // Frames start from the default pen, whatever is written between them.
  if (pen != Pen{}) bytes_ += kResetPen;
}

}  // namespace orvane::tui

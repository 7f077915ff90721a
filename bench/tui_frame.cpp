// Diffing and encoding a 200×60 frame of coloured text: when nothing changed, when one cell
// changed (at most 80 bytes, synchronized-output brackets included) and a full repaint.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <system_error>

#include "tui/buffer.hpp"
#include "tui/terminal.hpp"

namespace {

using orvane::tui::Buffer;
using orvane::tui::Frame;
using orvane::tui::Modifier;
using orvane::tui::Rect;
using orvane::tui::Style;
using orvane::tui::Terminal;

constexpr std::uint16_t kWidth = 200;
constexpr std::uint16_t kHeight = 60;

// Rows of words in changing colours, some bold, on a dark background; `seed` shifts
// words and colours so that two seeds differ in every cell.
Buffer coloured_text(unsigned seed) {
  const char* const words[] = {"const", "auto", "value", "=",   "compute(",
                               "index", ");",   "//",    "note"};
  Buffer buffer(Rect{0, 0, kWidth, kHeight});
  buffer.set_style(buffer.area(), Style{}.with_bg(orvane::tui::rgb(16, 16, 20)));
  for (std::uint16_t y = 0; y < kHeight; ++y) {
    std::uint16_t x = 0;
    for (unsigned i = seed; x < kWidth; ++i) {
      Style style = Style{}.with_fg(orvane::tui::rgb(static_cast<std::uint8_t>(40 + i * 37 + y),
                                                     static_cast<std::uint8_t>(90 + i * 11),
                                                     static_cast<std::uint8_t>(200 - i * 5)));
      if (i % 4 == 0) style.with_add(Modifier::Bold);
      x = buffer.set_string(x, y, words[(i + y) % std::size(words)], style).x;
      x = buffer.set_string(x, y, seed % 2 ? "." : " ", {}).x;
    }
  }
  return buffer;
}

// Draws `frames[k % 2]` on iteration k and reports the bytes written per frame.
void draw_alternating(benchmark::State& state, const Buffer (&frames)[2]) {
  std::size_t bytes = 0;
  Terminal terminal(
      [&](std::string_view frame) {
        bytes = frame.size();
        benchmark::DoNotOptimize(frame.data());
        return std::error_code{};
      },
      kWidth, kHeight);
  terminal.draw([&](Frame& f) { f.buffer = frames[1]; });
  std::size_t k = 0;
  for (auto _ : state) {
    const Buffer& next = frames[k++ % 2];
    terminal.draw([&](Frame& f) { f.buffer = next; });
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_FrameUnchanged(benchmark::State& state) {
  const Buffer frame = coloured_text(0);
  const Buffer frames[2] = {frame, frame};
  draw_alternating(state, frames);
}
BENCHMARK(BM_FrameUnchanged)->Unit(benchmark::kMicrosecond);

void BM_FrameOneCellChanged(benchmark::State& state) {
  Buffer changed = coloured_text(0);
  changed.set_string(123, 37, "#",
                     Style{}.with_fg(orvane::tui::rgb(255, 128, 0)).with_add(Modifier::Italic));
  const Buffer frames[2] = {coloured_text(0), changed};
  draw_alternating(state, frames);
}
BENCHMARK(BM_FrameOneCellChanged)->Unit(benchmark::kMicrosecond);

void BM_FrameFullRepaint(benchmark::State& state) {
  const Buffer frames[2] = {coloured_text(0), coloured_text(1)};
  draw_alternating(state, frames);
}
BENCHMARK(BM_FrameFullRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

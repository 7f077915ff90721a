#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

#include "tui/buffer.hpp"
#include "tui/frame.hpp"
#include "tui/rect.hpp"

namespace orvane::tui {

// A full-screen terminal drawn in frames. Each frame is painted into a fresh buffer, compared
// with the previous one, and only the cells that changed are encoded; the whole frame goes to
// the sink as one string, wrapped in synchronized output.
class Terminal {
 public:
  // Receives each frame's bytes; an error is handed back by draw.
  using Sink = std::function<std::error_code(std::string_view)>;

  Terminal(Sink sink, std::uint16_t width, std::uint16_t height);

  Rect area() const { return current_.area(); }

  // Runs `render` on a blank frame, then writes what changed since the last frame. After a
  // failed write the next frame is written whole, since what reached the screen is unknown.
  std::error_code draw(const std::function<void(Frame&)>& render);

  // The next frame clears the screen and is written whole.
  void resize(std::uint16_t width, std::uint16_t height);

 private:
  void encode_cells();

  Sink sink_;
  Buffer previous_;
  Buffer current_;
  bool whole_ = true;
  std::string bytes_;
};

}  // namespace orvane::tui

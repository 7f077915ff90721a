#include "tui/clear.hpp"

namespace orvane::tui {

void render(const Clear&, Rect area, Buffer& buffer) {
  buffer.reset(area);
}

}  // namespace orvane::tui

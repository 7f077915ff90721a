#pragma once
#include <functional>
#include <optional>
#include <string_view>
#include <system_error>

#include "app/dispatch.hpp"
#include "app/error.hpp"
#include "app/state.hpp"
#include "term/event.hpp"

namespace orvane::app {

// What the mouse handlers need: what keys need, and a way to the terminal that passes the
// toolkit, for the clipboard sequence a selection writes. The writer flushes what it writes.
struct MouseContext {
  KeyContext keys;
  std::function<std::error_code(std::string_view)> write_terminal;
};

// Acts on one mouse event against the regions and caches of the last frame: wheel steps
// scroll the pane under the pointer, a left press acts on the first target under it, a
// right press opens a session's action menu, and a left drag in the transcript selects
// text that its release copies. Sets the redraw flag. An error is a failed write.
std::optional<Error> dispatch_mouse(LoopState& state, const MouseContext& context,
                                    const term::MouseEvent& event);

}  // namespace orvane::app

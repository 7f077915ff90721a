#include "app/mouse.hpp"

#include "app/mouse_handlers.hpp"

namespace orvane::app {

std::optional<Error> dispatch_mouse(LoopState& state, const MouseContext& context,
                                    const term::MouseEvent& event) {
  // Moves and sideways wheel steps act on nothing, yet still draw a frame.
  state.redraw = true;
  const bool left = event.button == term::MouseButton::Left;
  Handled handled;
  switch (event.kind) {
    case term::MouseKind::ScrollUp:
    case term::MouseKind::ScrollDown:
      handled = wheel(state, context, event);
      break;
    case term::MouseKind::Down:
      if (left) {
        handled = left_press(state, context, event);
      } else if (event.button == term::MouseButton::Right) {
        handled = right_press(state, context, event);
      }
      break;
    case term::MouseKind::Drag:
      if (left) drag_selection(state, event);
      break;
    case term::MouseKind::Up:
      if (left) handled = release_selection(state, context);
      break;
    case term::MouseKind::Moved:
    case term::MouseKind::ScrollLeft:
    case term::MouseKind::ScrollRight:
      break;
  }
  return handled ? handled->error : std::nullopt;
}

}  // namespace orvane::app

#pragma once
#include <cstddef>
#include <vector>

#include "app/dispatch_stages.hpp"
#include "app/mouse.hpp"
#include "app/state.hpp"
#include "render/cache.hpp"
#include "render/chrome/sidebar_hit.hpp"
#include "term/event.hpp"

// The handlers `dispatch_mouse` picks by the kind of event, and what they share. Like the
// key stages, a handler passes an event on (nullopt) or consumes it with a result.
namespace orvane::app {

// Lines a wheel step scrolls.
inline constexpr std::size_t kWheelStep = 3;

// The sessions sidebar's lines as the last frame drew them, in the order clicks count them.
std::vector<render::chrome::SidebarLine> sidebar_lines(const LoopState& state);
// The details sidebar's rows as the last frame drew them.
const render::DetailsRows& details_rows(LoopState& state);
// The largest details offset that still fills the sidebar: past it the frame shows the
// same last page.
std::size_t details_last_top(LoopState& state);
// The transcript line the last frame drew on its top row.
std::size_t shown_top(const LoopState& state);

// A vertical wheel step; horizontal ones do nothing.
Handled wheel(LoopState& state, const MouseContext& context, const term::MouseEvent& event);

Handled left_press(LoopState& state, const MouseContext& context, const term::MouseEvent& event);
// A left press in the details sidebar; a wheel step down on its tab strip acts the same.
Handled details_press(LoopState& state, const MouseContext& context, const term::MouseEvent& event);
Handled right_press(LoopState& state, const MouseContext& context, const term::MouseEvent& event);

// The transcript selection: a left press in the transcript starts it, a left drag moves
// its head, the release copies it or, when the pointer hardly moved, clicks the line.
void start_selection(LoopState& state, const term::MouseEvent& event);
void drag_selection(LoopState& state, const term::MouseEvent& event);
Handled release_selection(LoopState& state, const MouseContext& context);

}  // namespace orvane::app

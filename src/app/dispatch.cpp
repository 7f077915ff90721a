#include "app/dispatch.hpp"

#include <array>

#include "app/dispatch_stages.hpp"

namespace orvane::app {

namespace {

using StageFn = Handled (*)(LoopState&, const KeyContext&, const term::KeyEvent&);

// Voice and quit come before everything; clearing the transcript selection sits between
// the details overlay and the rest.
constexpr std::array<StageFn, 3> kFirst = {voice_keys, quit_key, details_overlay_key};
constexpr std::array<StageFn, 12> kRest = {
    details_focus_keys, sidebar_filter_keys, target_keys,    chord_keys,
    prompt_keys,        context_panel_key,   logs_view_keys, form_keys,
    panel_keys,         popup_keys,          page_keys,      composer_keys};

}  // namespace

KeyDispatch dispatch_key(LoopState& state, const KeyContext& context, const term::KeyEvent& key) {
  if (key.kind == term::KeyKind::Release) return {};
  state.redraw = true;
  for (StageFn stage : kFirst) {
    if (auto handled = stage(state, context, key)) return *handled;
  }
  clear_selection(state);
  for (StageFn stage : kRest) {
    if (auto handled = stage(state, context, key)) return *handled;
  }
  return {};
}

}  // namespace orvane::app

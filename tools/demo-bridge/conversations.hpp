#pragma once
#include <string_view>

#include "model.hpp"

namespace orvane::demo {

// Switching sessions shows another conversation, so each starts a new generation. A turn
// that runs in the session left behind is stopped.
void new_conversation(Model& model, Time now);
void open_conversation(Model& model, std::string_view id, Time now);
void fork_conversation(Model& model, Time now);
void close_tab(Model& model, std::string_view id, Time now);
void archive_conversation(Model& model, std::string_view id, Time now);
void unarchive_conversation(Model& model, std::string_view id);
void rename_conversation(Model& model, std::string_view id, std::string title);
// The drawer of actions for one session (right-click in the sidebar).
void open_session_actions(Model& model, std::string_view id);

}  // namespace orvane::demo

#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "model.hpp"

namespace orvane::demo {

// The lines of a text, without their line feeds.
std::vector<std::string> split_lines(std::string_view text);

// Opens an empty panel in place of whatever the panel showed.
void open_panel(Model& model, std::string title, std::string layout);
// Opens a panel whose lines are drawn as one markdown text.
void open_markdown_panel(Model& model, std::string title, std::string layout, std::string_view text);
// Closes whatever the panel shows: list, text, navigation or form.
void close_panel(Model& model);

// The text panels.
void open_update_panel(Model& model);
void open_context_panel(Model& model);
void open_usage_panel(Model& model);
void open_archived_panel(Model& model);
void open_settings_panel(Model& model);

}  // namespace orvane::demo

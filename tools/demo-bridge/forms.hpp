#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "model.hpp"

namespace orvane::demo {

void open_settings_form(Model& model);
void open_key_form(Model& model);
void open_rename_form(Model& model, std::string_view session);

// The client's "save", "form_draft" and "form_delete" for the open form.
void save_form(Model& model, std::string_view form, const std::string& body, std::uint64_t revision);
void keep_draft(Model& model, std::string_view form, const std::string& body, std::uint64_t revision);
void delete_form(Model& model);

}  // namespace orvane::demo

#pragma once
#include <cstdint>
#include <string_view>

#include "model.hpp"

namespace orvane::demo {

// The pick list of models, grouped by provider or sorted by name; picking one runs
// "/model PROVIDER NAME".
void open_models_panel(Model& model);
// Makes the model named last in `arguments` the one in use.
void set_model(Model& model, std::string_view arguments);
// Ctrl+F on the `selection`-th entry that `filter` leaves in the list.
void toggle_favorite(Model& model, std::int64_t selection, std::string_view filter);
void refresh_models(Model& model, Time now);
void sort_models(Model& model);

}  // namespace orvane::demo

#include "model_list.hpp"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <string>
#include <vector>

#include "blocks.hpp"
#include "panels.hpp"

namespace orvane::demo {

namespace {

using namespace std::chrono_literals;

bool list_open(const Model& model) { return model.view.panel_title.starts_with("Models"); }

void fill_models(Model& model) {
  std::vector<const ModelInfo*> order;
  for (const ModelInfo& info : model.models) order.push_back(&info);
  if (model.models_by_name) {
    std::sort(order.begin(), order.end(), [](const ModelInfo* a, const ModelInfo* b) { return a->name < b->name; });
  }
  model.view.items.clear();
  for (const ModelInfo* info : order) {
    std::string label = (model.favorites.contains(info->name) ? "★ " : "  ") + info->name + "  · " +
                        tokens_text(info->window) + " context";
    if (info->name == model.view.model) label += "  ● in use";
    model.view.items.push_back({label, "/model " + info->provider + " " + info->name, std::nullopt,
                                model.models_by_name ? "" : info->provider});
  }
  model.changed = true;
}

}  // namespace

void open_models_panel(Model& model) {
  open_panel(model, model.models_by_name ? "Models · by name" : "Models · by provider", "dialog");
  fill_models(model);
}

void set_model(Model& model, std::string_view arguments) {
  const std::string_view name = arguments.substr(arguments.find_last_of(' ') + 1);
  const auto info = std::find_if(model.models.begin(), model.models.end(),
                                 [&](const ModelInfo& m) { return m.name == name; });
  if (info == model.models.end()) {
    note(model, "unknown model: " + std::string(name));
    return;
  }
  model.view.model = info->name;
  model.view.provider = info->provider;
  close_panel(model);
  refresh_context(model);
  refresh_details(model);
  note(model, "model set to " + info->provider + " / " + info->name);
}

void toggle_favorite(Model& model, std::int64_t selection, std::string_view filter) {
  if (!list_open(model)) {
    note(model, "favorite: only models can be favourites");
    return;
  }
  const auto lower = [](std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
  };
  const std::string needle = lower(std::string(filter));
  std::int64_t seen = 0;
  for (const bridge::Item& item : model.view.items) {
    if (lower(item.label).find(needle) == std::string::npos) continue;
    if (seen++ != selection) continue;
    const std::string name = item.command.substr(item.command.find_last_of(' ') + 1);
    if (!model.favorites.erase(name)) model.favorites.insert(name);
    note(model, name + (model.favorites.contains(name) ? " marked as a favourite" : " is no longer a favourite"));
    fill_models(model);
    return;
  }
  note(model, "favorite: no entry " + std::to_string(selection));
}

void refresh_models(Model& model, Time now) {
  if (!list_open(model)) {
    note(model, "refresh_models: the model list is not open");
    return;
  }
  model.view.panel_loading = true;
  note(model, "refreshing the model list…");
  model.timers.at(now + scaled(model, 900ms), Tag::panel, [](Model& m, Time) {
    m.view.panel_loading = false;
    fill_models(m);
    note(m, "model list refreshed: " + std::to_string(m.models.size()) + " models");
  });
}

void sort_models(Model& model) {
  if (!list_open(model)) {
    note(model, "model_sort: the model list is not open");
    return;
  }
  model.models_by_name = !model.models_by_name;
  model.view.panel_title = model.models_by_name ? "Models · by name" : "Models · by provider";
  fill_models(model);
  note(model, model.models_by_name ? "models sorted by name" : "models grouped by provider");
}

}  // namespace orvane::demo

#include "publish.hpp"

namespace orvane::demo {

std::optional<std::string> take_line(Model& model, Publisher& publisher) {
  if (!model.changed) return std::nullopt;
  std::string line = publisher.line(model.view, shown(model));
  bridge::Snapshot& view = model.view;
  view.restore.clear();
  view.insert.clear();
  view.auto_send_insert = false;
  view.insert_kind.clear();
  view.completions.clear();
  view.completion_query.clear();
  view.completion_prefix.clear();
  model.changed = false;
  return line;
}

}  // namespace orvane::demo

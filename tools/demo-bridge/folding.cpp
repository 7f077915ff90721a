#include "folding.hpp"

#include <string>

#include "blocks.hpp"

namespace orvane::demo {

namespace {

std::string key(Model& model, std::string_view id) { return current(model).id + "/" + std::string(id); }

}  // namespace

void fold_thought(Model& model, std::string_view id) {
  bridge::Content* thought = model.transcript.edit_id(id);
  if (!thought || thought->kind != "thought") return;
  const std::string took = thought->text.empty() ? "a moment" : thought->text;
  model.unfolded[key(model, id)] = *thought;
  *thought = collapsed_block(std::string(id), "Thought for " + took, "click to show the reasoning");
  model.changed = true;
}

void unfold_thought(Model& model, std::string_view id) {
  const auto folded = model.unfolded.find(key(model, id));
  bridge::Content* block = model.transcript.edit_id(id);
  if (folded == model.unfolded.end() || !block) {
    note(model, "expand: nothing folded as " + std::string(id));
    return;
  }
  *block = folded->second;
  block->operation = operation({{"action", "collapse"}, {"block", id}});
  note(model, "thought " + std::string(id) + " unfolded");
}

}  // namespace orvane::demo

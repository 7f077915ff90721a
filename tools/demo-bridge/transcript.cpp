#include "transcript.hpp"

#include <algorithm>
#include <utility>

namespace orvane::demo {

void Transcript::append(bridge::Content block) {
  changed_from_ = std::min(changed_from_, blocks_.size());
  blocks_.push_back(std::move(block));
}

bridge::Content& Transcript::edit(std::size_t index) {
  changed_from_ = std::min(changed_from_, index);
  return blocks_.at(index);
}

std::optional<std::size_t> Transcript::index_of(std::string_view id) const {
  for (std::size_t i = blocks_.size(); i > 0; --i) {
    if (blocks_[i - 1].id == id) return i - 1;
  }
  return std::nullopt;
}

bridge::Content* Transcript::edit_id(std::string_view id) {
  const auto index = index_of(id);
  return index ? &edit(*index) : nullptr;
}

void Transcript::assign(std::vector<bridge::Content> blocks) {
  blocks_ = std::move(blocks);
  changed_from_ = 0;
}

}  // namespace orvane::demo

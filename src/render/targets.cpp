#include "render/targets.hpp"

#include <optional>

namespace orvane::render {

std::vector<Target> targets(const Cache& cache) {
  std::vector<Target> out;
  // Compared in place: the loop calls this before every frame in target mode.
  const bridge::JsonValue* previous = nullptr;
  std::size_t index = 0;
  for (const auto& part : cache.actions.parts) {
    for (const std::optional<bridge::JsonValue>& value : *part) {
      if (!value) {
        previous = nullptr;
      } else {
        if (previous && bridge::json_equal(*previous, *value)) {
          out.back().last = index;
        } else {
          out.push_back({index, index});
        }
        previous = &*value;
      }
      ++index;
    }
  }
  return out;
}

}  // namespace orvane::render

#pragma once
#include <algorithm>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace orvane::render {

// A read-only sequence assembled from shared parts, so that a new sequence can reuse the
// unchanged parts of the old one by reference. A part is never modified once shared.
// Invariant, kept by the functions below: `starts` holds the whole-sequence index of the
// first element of each part (0 for the first) and `len` the sum of the part lengths.
// Parts may be empty.
template <typename T>
struct Indexed {
  using Part = std::shared_ptr<const std::vector<T>>;

  std::vector<Part> parts;
  std::vector<std::size_t> starts;
  std::size_t len = 0;

  // A sequence whose only part is `list`.
  static Indexed from(std::vector<T> list) {
    Indexed out;
    out.set_parts({std::make_shared<const std::vector<T>>(std::move(list))});
    return out;
  }

  // The element at whole-sequence index `index`, or null past the end.
  const T* get(std::size_t index) const {
    if (index >= len) return nullptr;
    // The last part starting at or before `index`; an empty part shares its start with
    // the next one, so the element may lie past its end.
    const auto after = std::upper_bound(starts.begin(), starts.end(), index);
    const std::size_t part = static_cast<std::size_t>(after - starts.begin()) - 1;
    const std::vector<T>& elements = *parts[part];
    const std::size_t offset = index - starts[part];
    return offset < elements.size() ? &elements[offset] : nullptr;
  }

  // Appends `element` as a new part of its own.
  void push(T element) {
    starts.push_back(len);
    parts.push_back(std::make_shared<const std::vector<T>>(std::vector<T>{std::move(element)}));
    ++len;
  }

  // Replaces the parts. The starts of the leading parts that are the very same shared
  // lists as before are kept; only the rest are summed again.
  void set_parts(std::vector<Part> replacement) {
    std::size_t kept = 0;
    while (kept < parts.size() && kept < replacement.size() && parts[kept] == replacement[kept]) {
      ++kept;
    }
    parts = std::move(replacement);
    recount_from(kept);
  }

  // Brings `starts` and `len` up to date after the parts from index `first` on were
  // replaced, added or dropped in place; the starts before it stay. This lets a long
  // sequence take a change near its end without copying every part reference.
  void recount_from(std::size_t first) {
    first = std::min({first, starts.size(), parts.size()});
    starts.resize(first);
    std::size_t total = first == 0 ? 0 : starts.back() + parts[first - 1]->size();
    for (std::size_t i = first; i < parts.size(); ++i) {
      starts.push_back(total);
      total += parts[i]->size();
    }
    len = total;
  }
};

}  // namespace orvane::render

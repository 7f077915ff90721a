#include "tui/layout.hpp"

#include <algorithm>
#include <cstddef>

namespace orvane::tui {

namespace {

// Takes up to `excess` cells from the pieces of one kind, the last one first.
template <class Kind>
void shrink(const std::vector<Constraint>& constraints, std::vector<long>& sizes, long& excess) {
  for (std::size_t i = constraints.size(); i-- > 0 && excess > 0;) {
    if (!std::holds_alternative<Kind>(constraints[i])) continue;
    const long cut = std::min(sizes[i], excess);
    sizes[i] -= cut;
    excess -= cut;
  }
}

}  // namespace

std::vector<Rect> split(Rect area, Direction direction,
                        const std::vector<Constraint>& constraints) {
  const bool vertical = direction == Direction::Vertical;
  const long total = vertical ? area.height : area.width;

  std::vector<long> sizes;
  sizes.reserve(constraints.size());
  long wanted = 0;
  long flexible = 0;
  for (const Constraint& constraint : constraints) {
    const long n = std::visit([](auto c) { return long{c.n}; }, constraint);
    sizes.push_back(n);
    wanted += n;
    if (std::holds_alternative<Min>(constraint)) ++flexible;
  }

  if (wanted > total) {
    long excess = wanted - total;
    shrink<Length>(constraints, sizes, excess);
    shrink<Min>(constraints, sizes, excess);
  } else if (flexible > 0) {
    const long spare = total - wanted;
    long extra = spare % flexible;
    for (std::size_t i = 0; i < constraints.size(); ++i) {
      if (!std::holds_alternative<Min>(constraints[i])) continue;
      sizes[i] += spare / flexible + (extra > 0 ? 1 : 0);
      if (extra > 0) --extra;
    }
  }

  std::vector<Rect> pieces;
  pieces.reserve(constraints.size());
  long offset = vertical ? area.y : area.x;
  for (const long size : sizes) {
    const std::uint16_t start = Rect::saturate(offset);
    // Like every rectangle, a piece stops at row or column 65 535.
    const std::uint16_t length = Rect::saturate(std::min(size, 65535L - start));
    pieces.push_back(vertical ? Rect{area.x, start, area.width, length}
                              : Rect{start, area.y, length, area.height});
    offset += size;
  }
  return pieces;
}

}  // namespace orvane::tui

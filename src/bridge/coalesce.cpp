#include "bridge/coalesce.hpp"

#include <string.h>

#include <algorithm>
#include <cstddef>

namespace orvane::bridge {

namespace {

bool found(std::string_view text, std::size_t first_start, std::size_t end_start,
           std::string_view needle) {
  const std::size_t length = end_start - first_start + needle.size() - 1;
  return memmem(text.data() + first_start, length, needle.data(), needle.size()) != nullptr;
}

// Whether `needle` occurs in `text`. Whatever order the bridge writes its keys in, the
// transcript fills the middle of a line and the keys looked for sit nearer one end, so
// windows of doubling size are searched from both ends towards the middle.
bool contains(std::string_view text, std::string_view needle) {
  if (needle.empty()) return true;
  if (needle.size() > text.size()) return false;
  // Match starts below `front` and from `back` on have been searched.
  std::size_t front = 0;
  std::size_t back = text.size() - needle.size() + 1;
  for (std::size_t window = 4096; front < back; window *= 2) {
    const std::size_t front_end = std::min(front + window, back);
    if (found(text, front, front_end, needle)) return true;
    front = front_end;
    if (front == back) break;
    const std::size_t back_start = std::max(back - std::min(back, window), front);
    if (found(text, back_start, back, needle)) return true;
    back = back_start;
  }
  return false;
}

}  // namespace

bool coalescable(std::string_view line) {
  // The number must end after the 1: "schema":12 is no complete snapshot, and skipping
  // it would hide a line the client has to refuse.
  return (contains(line, "\"schema\":1,") || contains(line, "\"schema\":1}")) &&
         contains(line, "\"restore\":\"\"") && contains(line, "\"insert\":\"\"");
}

}  // namespace orvane::bridge

#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "bridge/snapshot.hpp"

namespace orvane::demo {

// A side-by-side diff of two texts as the client draws it.
struct FileDiff {
  std::vector<bridge::DiffRow> rows;
  std::uint64_t added = 0;
  std::uint64_t removed = 0;
};

// Compares `before` and `after` line by line. Replaced lines pair up as "change" rows, the
// rest of a replacement is "del" or "add"; unchanged lines are context rows (kind "") kept
// `context` deep around each change, and longer unchanged stretches between changes become
// one "sep" row. A diff longer than `max_rows` ends in a "clip" row saying how many rows
// were left out. The counts cover the whole diff, clipped rows included.
FileDiff line_diff(std::string_view before, std::string_view after, std::size_t context = 2,
                   std::size_t max_rows = 48);

// The diff as the lines of a unified diff: a "@@ -l,n +r,m @@" header per hunk, then " ",
// "-" and "+" lines, and the clip note as it stands.
std::vector<std::string> unified_lines(const FileDiff& diff);

}  // namespace orvane::demo

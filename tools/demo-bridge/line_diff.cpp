#include "line_diff.hpp"

#include <algorithm>
#include <cstdint>

namespace orvane::demo {

namespace {

// Past this many cells the comparison table would be too large for a demo; the middle of
// the two texts then counts as replaced whole.
constexpr std::size_t kMaxTableCells = 1'000'000;

std::vector<std::string_view> split_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

enum class Op { equal, del, add };

bool blank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

// How good the rest of an edit script is: more unchanged lines first, then fewer stretches
// of changes. The second rule keeps a blank line that both texts share from splitting a
// replaced function into a deletion and a distant insertion.
struct Score {
  std::uint32_t kept = 0;
  std::uint32_t stretches = 0;

  bool operator<(const Score& other) const {
    return kept != other.kept ? kept < other.kept : stretches > other.stretches;
  }
};

// Edit script turning `a` into `b`; deletions come before insertions within a stretch.
std::vector<Op> edit_script(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b) {
  std::size_t head = 0;
  while (head < a.size() && head < b.size() && a[head] == b[head]) ++head;
  std::size_t tail = 0;
  while (tail < a.size() - head && tail < b.size() - head &&
         a[a.size() - 1 - tail] == b[b.size() - 1 - tail]) {
    ++tail;
  }
  const std::size_t n = a.size() - head - tail;
  const std::size_t m = b.size() - head - tail;

  std::vector<Op> ops(head, Op::equal);
  if ((n + 1) * (m + 1) > kMaxTableCells) {
    ops.insert(ops.end(), n, Op::del);
    ops.insert(ops.end(), m, Op::add);
  } else {
    // best[i][j][after_equal]: the best script for a[i..] and b[j..] when the previous
    // operation kept a line (so that a change here starts a new stretch).
    std::vector<Score> best((n + 1) * (m + 1) * 2);
    const auto at = [m](std::size_t i, std::size_t j, bool after_equal) {
      return (i * (m + 1) + j) * 2 + (after_equal ? 1 : 0);
    };
    const auto changed = [](Score s, bool after_equal) {
      s.stretches += after_equal ? 1 : 0;
      return s;
    };
    for (std::size_t i = n + 1; i-- > 0;) {
      for (std::size_t j = m + 1; j-- > 0;) {
        for (const bool after_equal : {false, true}) {
          if (i == n && j == m) continue;
          // Worse than any script: no line kept and more stretches than there can be.
          Score score{0, UINT32_MAX};
          if (i < n && j < m && a[head + i] == b[head + j]) {
            score = best[at(i + 1, j + 1, true)];
            ++score.kept;
          }
          if (i < n) score = std::max(score, changed(best[at(i + 1, j, false)], after_equal));
          if (j < m) score = std::max(score, changed(best[at(i, j + 1, false)], after_equal));
          best[at(i, j, after_equal)] = score;
        }
      }
    }
    std::size_t i = 0, j = 0;
    bool after_equal = true;
    while (i < n || j < m) {
      // Every step keeps to a best script; scores below the goal are never taken.
      const Score goal = best[at(i, j, after_equal)];
      bool keep_best = false;
      if (i < n && j < m && a[head + i] == b[head + j]) {
        Score keep = best[at(i + 1, j + 1, true)];
        ++keep.kept;
        keep_best = !(keep < goal);
      }
      const bool del_best = i < n && !(changed(best[at(i + 1, j, false)], after_equal) < goal);
      const bool add_best = j < m && !(changed(best[at(i, j + 1, false)], after_equal) < goal);
      // Between equally good scripts, a blank line is rather kept later: the blank lines
      // around a replaced block then stay together with the unchanged text.
      if (keep_best && !(blank(a[head + i]) && (del_best || add_best))) {
        ops.push_back(Op::equal), ++i, ++j, after_equal = true;
      } else if (del_best) {
        ops.push_back(Op::del), ++i, after_equal = false;
      } else {
        ops.push_back(Op::add), ++j, after_equal = false;
      }
    }
  }
  ops.insert(ops.end(), tail, Op::equal);
  return ops;
}

bridge::DiffRow context_row(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b,
                            std::size_t i, std::size_t j) {
  return {static_cast<std::uint32_t>(i + 1), std::string(a[i]), static_cast<std::uint32_t>(j + 1),
          std::string(b[j]), ""};
}

}  // namespace

FileDiff line_diff(std::string_view before, std::string_view after, std::size_t context, std::size_t max_rows) {
  const auto a = split_lines(before);
  const auto b = split_lines(after);
  const auto ops = edit_script(a, b);
  const bool any_change = std::any_of(ops.begin(), ops.end(), [](Op op) { return op != Op::equal; });

  FileDiff diff;
  std::size_t i = 0, j = 0, k = 0;
  while (k < ops.size()) {
    if (ops[k] == Op::equal) {
      const std::size_t start = k;
      while (k < ops.size() && ops[k] == Op::equal) ++k;
      const std::size_t length = k - start;
      const bool first = start == 0, last = k == ops.size();
      if (!any_change) break;
      // Keep the lines next to a change: the tail of a leading stretch, the head of a
      // trailing one, both ends of one in between.
      const std::size_t keep_head = first ? 0 : std::min(context, length);
      const std::size_t keep_tail = last ? 0 : std::min(context, length - keep_head);
      for (std::size_t t = 0; t < keep_head; ++t) diff.rows.push_back(context_row(a, b, i + t, j + t));
      if (keep_head + keep_tail < length && !first && !last) diff.rows.push_back({0, "", 0, "", "sep"});
      for (std::size_t t = length - keep_tail; t < length; ++t) diff.rows.push_back(context_row(a, b, i + t, j + t));
      i += length, j += length;
      continue;
    }
    std::vector<std::size_t> deleted, inserted;
    for (; k < ops.size() && ops[k] != Op::equal; ++k) {
      if (ops[k] == Op::del) deleted.push_back(i++);
      else inserted.push_back(j++);
    }
    diff.removed += deleted.size();
    diff.added += inserted.size();
    const std::size_t pairs = std::min(deleted.size(), inserted.size());
    for (std::size_t t = 0; t < std::max(deleted.size(), inserted.size()); ++t) {
      bridge::DiffRow row;
      if (t < deleted.size()) row.left_number = static_cast<std::uint32_t>(deleted[t] + 1), row.left_text = a[deleted[t]];
      if (t < inserted.size()) row.right_number = static_cast<std::uint32_t>(inserted[t] + 1), row.right_text = b[inserted[t]];
      row.kind = t < pairs ? "change" : t < deleted.size() ? "del" : "add";
      diff.rows.push_back(std::move(row));
    }
  }

  if (diff.rows.size() > max_rows && max_rows > 0) {
    const std::size_t hidden = diff.rows.size() - (max_rows - 1);
    diff.rows.resize(max_rows - 1);
    diff.rows.push_back({0, "… " + std::to_string(hidden) + " more rows", 0, "", "clip"});
  }
  return diff;
}

std::vector<std::string> unified_lines(const FileDiff& diff) {
  std::vector<std::string> lines;
  const auto& rows = diff.rows;
  std::size_t r = 0;
  while (r < rows.size()) {
    if (rows[r].kind == "sep") {
      ++r;
      continue;
    }
    if (rows[r].kind == "clip") {
      lines.push_back(rows[r++].left_text);
      continue;
    }
    std::size_t end = r;
    while (end < rows.size() && rows[end].kind != "sep" && rows[end].kind != "clip") ++end;
    std::uint32_t left_start = 0, right_start = 0, left_count = 0, right_count = 0;
    for (std::size_t t = r; t < end; ++t) {
      if (rows[t].left_number != 0) {
        if (left_count++ == 0) left_start = rows[t].left_number;
      }
      if (rows[t].right_number != 0) {
        if (right_count++ == 0) right_start = rows[t].right_number;
      }
    }
    lines.push_back("@@ -" + std::to_string(left_start) + "," + std::to_string(left_count) + " +" +
                    std::to_string(right_start) + "," + std::to_string(right_count) + " @@");
    while (r < end) {
      if (rows[r].kind.empty()) {
        lines.push_back(" " + rows[r++].left_text);
        continue;
      }
      // A replaced stretch: all its old lines, then all its new ones.
      std::size_t stretch = r;
      while (stretch < end && !rows[stretch].kind.empty()) ++stretch;
      for (std::size_t t = r; t < stretch; ++t) {
        if (rows[t].left_number != 0) lines.push_back("-" + rows[t].left_text);
      }
      for (std::size_t t = r; t < stretch; ++t) {
        if (rows[t].right_number != 0) lines.push_back("+" + rows[t].right_text);
      }
      r = stretch;
    }
  }
  return lines;
}

}  // namespace orvane::demo

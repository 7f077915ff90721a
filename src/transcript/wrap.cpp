#include "transcript/wrap.hpp"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>

#include "unicode/grapheme.hpp"
#include "unicode/properties.hpp"
#include "unicode/utf8.hpp"
#include "unicode/width.hpp"

namespace orvane::transcript {

namespace {

bool all_white_space(std::string_view cluster) {
  if (cluster.size() == 1) return unicode::is_white_space(static_cast<unsigned char>(cluster[0]));
  for (std::size_t offset = 0; offset < cluster.size();) {
    const unicode::Decoded d = unicode::decode(cluster, offset);
    if (!unicode::is_white_space(d.code_point)) return false;
    offset += d.length;
  }
  return true;
}

std::size_t row_width(const Row& row) {
  std::size_t width = 0;
  for (const Cell& cell : row) width += cell.width;
  return width;
}

// The state of one wrap: the finished rows and the row being filled.
struct Wrapper {
  std::size_t width;
  // Cells a fresh row is given room for, so that filling it does not move cells.
  std::size_t capacity;
  std::vector<Row> rows;
  Row row;
  std::size_t used = 0;
  // The row has taken whitespace since it began or was last split, and `break_at`
  // is just past the last such cell.
  bool space = false;
  std::size_t break_at = 0;

  void finish() {
    rows.push_back(std::move(row));
    row = Row();
    used = 0;
  }

  // Moves the word after the last whitespace onto a new row, leaving the old row
  // without the whitespace it ended in.
  void split() {
    Row word;
    word.reserve(capacity);
    word.insert(word.end(),
                std::make_move_iterator(row.begin() + static_cast<std::ptrdiff_t>(break_at)),
                std::make_move_iterator(row.end()));
    row.resize(break_at);
    while (!row.empty() && row.back().space) row.pop_back();
    rows.push_back(std::move(row));
    row = std::move(word);
    used = row_width(row);
  }

  // Cells are built in place: moving a short string still costs a copy of its bytes.
  void push(std::string_view cluster, const tui::Style& style, std::size_t cell_width,
            bool is_space) {
    used += cell_width;
    if (row.capacity() == 0) row.reserve(capacity);
    row.push_back(Cell{std::string(cluster), style, cell_width, is_space});
    if (is_space) {
      break_at = row.size();
      space = true;
    }
  }

  void add(std::string_view cluster, const tui::Style& style) {
    const std::size_t cell_width = unicode::cluster_width(cluster);
    const bool is_space = all_white_space(cluster);
    if (used + cell_width <= width) return push(cluster, style, cell_width, is_space);
    if (is_space) {
      if (row.empty()) return push(cluster, style, cell_width, is_space);
      finish();
      space = false;
      return;
    }
    if (!row.empty()) {
      do {
        if (space && break_at < row.size()) {
          split();
        } else {
          finish();
        }
        space = false;
      } while (used + cell_width > width && !row.empty());
    }
    push(cluster, style, cell_width, is_space);
  }
};

}  // namespace

std::vector<Row> wrap(const std::vector<tui::Span>& spans, std::size_t width) {
  std::size_t bytes = 0;
  for (const tui::Span& span : spans) bytes += span.content.size();
  const std::size_t columns = width == 0 ? 1 : width;
  Wrapper wrapper{columns, std::min(columns, bytes), {}, {}};
  for (const tui::Span& span : spans) {
    for (const std::string_view cluster : unicode::Graphemes(span.content)) {
      wrapper.add(cluster, span.style);
    }
  }
  wrapper.finish();
  return std::move(wrapper.rows);
}

}  // namespace orvane::transcript

#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "markdown/lines.hpp"
#include "render/palette.hpp"
#include "tui/style.hpp"
#include "tui/text.hpp"

namespace orvane::markdown {

// The table being collected; it is laid out only at its end, when the column
// widths are known.
struct Table {
  std::vector<std::vector<std::string>> rows;  // head rows first
  std::string cell;
  std::size_t header_rows = 0;
};

// Builds rows from a document's start and end events, given in document order.
// Knows nothing of the parser: the caller translates the parser's tree into these calls.
class Walker {
 public:
  Walker(const render::Palette& palette, std::uint16_t width);

  void start_heading(int level);
  void end_heading();
  void start_quote();
  void end_quote();
  void end_paragraph();
  // `start` is the first number of an ordered list; none for a bullet list.
  void start_list(std::optional<std::uint64_t> start);
  void end_list();
  void start_item();
  void end_item();
  void task_marker(bool checked);
  // `info` is a fenced block's info string; empty for an indented block.
  void start_code(std::string_view info);
  void end_code();
  void add_text(std::string_view text);
  void inline_code(std::string_view code);
  void html(std::string_view html);
  void line_break();
  void thematic_break();
  void start_link(std::string_view destination);
  void end_link();
  void start_emphasis() { ++emphasis_; }
  void end_emphasis() { decrement(emphasis_); }
  void start_strong() { ++strong_; }
  void end_strong() { decrement(strong_); }
  void start_strikethrough() { ++strikethrough_; }
  void end_strikethrough() { decrement(strikethrough_); }
  void start_table();
  void start_table_head();
  void end_table_head();
  void start_table_row();
  void end_table_cell();
  void end_table();

  std::vector<Row> finish();

 private:
  struct CodeBlock {
    std::string language;
    std::string code;
  };

  static void decrement(std::size_t& counter) {
    if (counter > 0) --counter;
  }

  std::vector<tui::Span> prefix();
  void flush();
  void fence_row();
  void separate();
  void text(std::string_view text, const tui::Style& style);
  tui::Style inline_style() const;

  render::Palette palette_;
  std::uint16_t width_;
  std::vector<Row> rows_;
  std::vector<tui::Span> spans_;
  std::vector<std::optional<std::uint64_t>> lists_;  // next number, none for bullets
  std::vector<std::string> links_;
  std::optional<std::string> pending_marker_;
  std::optional<CodeBlock> code_;
  std::optional<Table> table_;
  std::size_t quote_depth_ = 0;
  std::size_t strong_ = 0;
  std::size_t emphasis_ = 0;
  std::size_t strikethrough_ = 0;
  std::size_t open_items_ = 0;
  int heading_level_ = 0;
};

}  // namespace orvane::markdown

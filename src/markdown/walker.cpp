#include "markdown/walker.hpp"

#include <algorithm>
#include <utility>

#include "unicode/properties.hpp"
#include "unicode/utf8.hpp"
#include "unicode/width.hpp"

namespace orvane::markdown {

namespace {

using tui::Modifier;
using tui::Span;
using tui::Style;

Style colored(std::optional<tui::Color> fg, std::optional<tui::Color> bg) {
  Style style;
  style.fg = fg;
  style.bg = bg;
  return style;
}

// Text from the bridge may hold control characters, and entities such as "&#27;"
// decode to them; none may reach the screen. A tab becomes a space so that the
// words it separated stay apart.
std::string printable(std::string_view text) {
  const bool clean = std::none_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F || byte == 0xC2;  // 0xC2 leads the C1 controls
  });
  if (clean) return std::string(text);
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const unicode::Decoded decoded = unicode::decode(text, at);
    if (decoded.code_point == U'\t') {
      out += ' ';
    } else if (!unicode::is_control(decoded.code_point)) {
      unicode::append_utf8(out, decoded.code_point);
    }
    at += decoded.length;
  }
  return out;
}

// The first whitespace-separated word of a fence's info string.
std::string first_word(std::string_view info) {
  std::size_t begin = 0;
  std::size_t end = 0;
  bool in_word = false;
  for (std::size_t at = 0; at < info.size();) {
    const unicode::Decoded decoded = unicode::decode(info, at);
    const bool space = unicode::is_white_space(decoded.code_point);
    if (!in_word && !space) {
      begin = at;
      in_word = true;
    } else if (in_word && space) {
      break;
    }
    at += decoded.length;
    end = at;
  }
  return in_word ? printable(info.substr(begin, end - begin)) : std::string();
}

std::string repeated(std::string_view piece, std::size_t count) {
  std::string out;
  out.reserve(piece.size() * count);
  for (std::size_t i = 0; i < count; ++i) out += piece;
  return out;
}

std::string without_tabs(std::string_view line) {
  std::string out;
  out.reserve(line.size());
  for (const char c : line) {
    if (c == '\t') {
      out += "    ";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

Walker::Walker(const render::Palette& palette, std::uint16_t width)
    : palette_(palette), width_(width) {}

std::vector<Span> Walker::prefix() {
  std::vector<Span> out;
  const std::optional<tui::Color> background =
      quote_depth_ > 0 ? std::optional<tui::Color>(palette_.surface) : std::nullopt;
  for (std::size_t i = 0; i < quote_depth_; ++i) {
    out.emplace_back("▌ ", colored(palette_.accent, palette_.surface));
  }
  const std::size_t indent = 3 * lists_.size();
  if (pending_marker_) {
    // The marker takes the last indentation step of its own list.
    std::string marker(indent >= 3 ? indent - 3 : 0, ' ');
    marker += *pending_marker_;
    pending_marker_.reset();
    out.emplace_back(std::move(marker), colored(palette_.faint, background));
  } else if (indent > 0) {
    out.emplace_back(std::string(indent, ' '), colored(std::nullopt, background));
  }
  return out;
}

void Walker::flush() {
  if (spans_.empty() && !pending_marker_) return;
  Row row;
  row.prefix = prefix();
  row.spans = std::exchange(spans_, {});
  if (quote_depth_ > 0) row.row_background = palette_.surface;
  rows_.push_back(std::move(row));
}

void Walker::fence_row() {
  Row row;
  row.prefix = prefix();
  row.prefix.emplace_back(" ", colored(std::nullopt, palette_.surface));
  row.spans = std::exchange(spans_, {});
  row.row_background = palette_.surface;
  rows_.push_back(std::move(row));
}

void Walker::separate() {
  if (rows_.empty() || rows_.back().blank) return;
  Row row;
  row.blank = true;
  rows_.push_back(std::move(row));
}

void Walker::text(std::string_view text, const Style& style) {
  if (table_) {
    table_->cell += printable(text);
    return;
  }
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('\n', start);
    if (start > 0) flush();
    std::string piece = printable(text.substr(start, end - start));
    if (!piece.empty()) {
      // The parser splits text at characters that might have been markup; keep
      // what it split in one span.
      if (!spans_.empty() && spans_.back().style == style) {
        spans_.back().content += piece;
      } else {
        spans_.emplace_back(std::move(piece), style);
      }
    }
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
}

Style Walker::inline_style() const {
  Style style;
  if (quote_depth_ > 0) style.bg = palette_.surface;
  if (emphasis_ > 0) style.add |= Modifier::Italic;
  if (strong_ > 0) style.add |= Modifier::Bold;
  if (strikethrough_ > 0) style.add |= Modifier::CrossedOut;
  if (heading_level_ > 0) {
    style.add |= Modifier::Bold;
    switch (heading_level_) {
      case 1:
        style.fg = palette_.accent;
        break;
      case 2:
        style.fg = palette_.purple;
        break;
      case 3:
        style.fg = palette_.success;
        break;
      default:
        style.fg = palette_.warning;
        break;
    }
  }
  if (!links_.empty()) {
    style.fg = palette_.blue;
    style.add |= Modifier::Underlined;
  }
  return style;
}

void Walker::start_heading(int level) {
  heading_level_ = level;
}

void Walker::end_heading() {
  flush();
  heading_level_ = 0;
  separate();
}

void Walker::start_quote() {
  ++quote_depth_;
}

void Walker::end_quote() {
  flush();
  decrement(quote_depth_);
  separate();
}

void Walker::end_paragraph() {
  flush();
  // Paragraphs of a loose list item are not spaced apart.
  if (open_items_ == 0) separate();
}

void Walker::start_list(std::optional<std::uint64_t> start) {
  flush();
  lists_.push_back(start);
}

void Walker::end_list() {
  flush();
  if (!lists_.empty()) lists_.pop_back();
  if (lists_.empty()) separate();
}

void Walker::start_item() {
  flush();
  ++open_items_;
  if (!lists_.empty() && lists_.back()) {
    std::uint64_t& next = *lists_.back();
    pending_marker_ = std::to_string(next) + ". ";
    ++next;
  } else {
    pending_marker_ = lists_.size() <= 1 ? "• " : "◦ ";
  }
}

void Walker::end_item() {
  flush();
  pending_marker_.reset();
  decrement(open_items_);
}

void Walker::task_marker(bool checked) {
  spans_.emplace_back(checked ? "[x] " : "[ ] ", colored(palette_.faint, std::nullopt));
}

void Walker::start_code(std::string_view info) {
  flush();
  code_ = CodeBlock{first_word(info), std::string()};
}

void Walker::end_code() {
  if (!code_) return;
  const CodeBlock block = std::move(*code_);
  code_.reset();
  if (!block.language.empty()) {
    spans_.emplace_back(block.language, colored(palette_.faint, palette_.surface));
    fence_row();
  }
  std::string_view code = block.code;
  while (!code.empty() && code.back() == '\n') code.remove_suffix(1);
  for (std::size_t start = 0;;) {
    const std::size_t end = code.find('\n', start);
    spans_.emplace_back(printable(without_tabs(code.substr(start, end - start))),
                        colored(palette_.text, palette_.surface));
    fence_row();
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  separate();
}

void Walker::add_text(std::string_view text) {
  if (code_) {
    code_->code += text;
    return;
  }
  this->text(text, inline_style());
}

void Walker::inline_code(std::string_view code) {
  if (table_) {
    table_->cell += printable(code);
    return;
  }
  Style style = colored(palette_.warning, palette_.focus);
  if (strong_ > 0) style.add = Modifier::Bold;
  spans_.emplace_back(printable(code), style);
}

void Walker::html(std::string_view html) {
  text(html, inline_style());
}

void Walker::line_break() {
  if (table_) {
    text(" ", Style{});
    return;
  }
  flush();
}

void Walker::thematic_break() {
  flush();
  const int length = std::clamp(static_cast<int>(width_) - 8, 3, 60);
  spans_.emplace_back(repeated("─", static_cast<std::size_t>(length)),
                      colored(palette_.rule, std::nullopt));
  flush();
  separate();
}

void Walker::start_link(std::string_view destination) {
  links_.emplace_back(destination);
}

void Walker::end_link() {
  std::string destination;
  if (!links_.empty()) {
    destination = std::move(links_.back());
    links_.pop_back();
  }
  // After the pop, the inline style underlines only for a link still open around this one.
  Style style = inline_style();
  style.fg = palette_.faint;
  text(" (" + destination + ")", style);
}

void Walker::start_table() {
  flush();
  table_ = Table{};
}

void Walker::start_table_head() {
  if (table_) table_->rows.emplace_back();
}

void Walker::end_table_head() {
  if (table_) table_->header_rows = table_->rows.size();
}

void Walker::start_table_row() {
  if (table_) table_->rows.emplace_back();
}

void Walker::end_table_cell() {
  if (!table_) return;
  if (!table_->rows.empty()) table_->rows.back().push_back(std::move(table_->cell));
  table_->cell.clear();
}

void Walker::end_table() {
  if (!table_) return;
  const Table table = std::move(*table_);
  table_.reset();

  std::size_t columns = 0;
  for (const auto& row : table.rows) columns = std::max(columns, row.size());
  std::vector<std::size_t> widths(columns, 0);
  for (const auto& row : table.rows) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      widths[c] = std::max(widths[c], unicode::text_width(row[c]));
    }
  }

  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    const auto& row = table.rows[i];
    std::string line;
    for (std::size_t c = 0; c < columns; ++c) {
      if (c > 0) line += " │ ";
      const std::string_view cell = c < row.size() ? std::string_view(row[c]) : "";
      line += cell;
      line.append(widths[c] - unicode::text_width(cell), ' ');
    }
    Style style;
    if (i < table.header_rows) style.add = Modifier::Bold;
    spans_.emplace_back(std::move(line), style);
    flush();
    if (i + 1 == table.header_rows) {
      std::string rule;
      for (std::size_t c = 0; c < columns; ++c) {
        if (c > 0) rule += "─┼─";
        rule += repeated("─", widths[c]);
      }
      spans_.emplace_back(std::move(rule), colored(palette_.faint, std::nullopt));
      flush();
    }
  }
  separate();
}

std::vector<Row> Walker::finish() {
  flush();
  while (!rows_.empty() && rows_.back().blank) rows_.pop_back();
  return std::move(rows_);
}

}  // namespace orvane::markdown

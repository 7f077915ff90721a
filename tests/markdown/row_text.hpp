#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "markdown/lines.hpp"
#include "render/palette.hpp"
#include "tui/style.hpp"
#include "tui/text.hpp"

namespace orvane::markdown::fixture {

struct PaletteField {
  const char* name;
  tui::Color render::Palette::*field;
};

inline constexpr PaletteField kPaletteFields[] = {
    {"background", &render::Palette::background},
    {"text", &render::Palette::text},
    {"muted", &render::Palette::muted},
    {"faint", &render::Palette::faint},
    {"accent", &render::Palette::accent},
    {"surface", &render::Palette::surface},
    {"raised", &render::Palette::raised},
    {"focus", &render::Palette::focus},
    {"popup", &render::Palette::popup},
    {"rule", &render::Palette::rule},
    {"border", &render::Palette::border},
    {"removed_bg", &render::Palette::removed_bg},
    {"added_bg", &render::Palette::added_bg},
    {"blue", &render::Palette::blue},
    {"purple", &render::Palette::purple},
    {"success", &render::Palette::success},
    {"warning", &render::Palette::warning},
    {"error", &render::Palette::error},
    {"cyan", &render::Palette::cyan},
};

// Every field a different colour, so a printed colour names the one field it came from
// (the real palettes share values between fields).
inline render::Palette test_palette() {
  render::Palette palette{};
  std::uint8_t value = 1;
  for (const auto& field : kPaletteFields) palette.*field.field = tui::Rgb{0, 0, value++};
  return palette;
}

inline std::string color_name(const tui::Color& color) {
  const render::Palette palette = test_palette();
  for (const auto& field : kPaletteFields) {
    if (palette.*field.field == color) return field.name;
  }
  return "unknown colour";
}

// "fg,on bg,bold,..." in braces; nothing for the empty style.
inline std::string style_text(const tui::Style& style) {
  std::vector<std::string> parts;
  if (style.fg) parts.push_back(color_name(*style.fg));
  if (style.bg) parts.push_back("on " + color_name(*style.bg));
  if (style.underline) parts.push_back("underline " + color_name(*style.underline));
  const std::pair<tui::Modifier, const char*> modifiers[] = {
      {tui::Modifier::Bold, "bold"},
      {tui::Modifier::Italic, "italic"},
      {tui::Modifier::Underlined, "underlined"},
      {tui::Modifier::CrossedOut, "crossed"},
      {tui::Modifier::Reversed, "reversed"},
  };
  for (const auto& [modifier, name] : modifiers) {
    if (tui::contains(style.add, modifier)) parts.emplace_back(name);
    if (tui::contains(style.sub, modifier)) parts.push_back(std::string("not ") + name);
  }
  if (parts.empty()) return "";
  std::string out = "{";
  for (std::size_t i = 0; i < parts.size(); ++i) out += (i > 0 ? "," : "") + parts[i];
  return out + "}";
}

inline std::string spans_text(const std::vector<tui::Span>& spans, bool styles) {
  std::string out;
  for (const auto& span : spans) {
    out += styles ? "[" + span.content + "]" + style_text(span.style) : span.content;
  }
  return out;
}

// One row as "prefix|content", followed by " @colour" for a row background; a blank
// row is "~". Styled, each span is "[text]{style}".
inline std::string row_text(const Row& row, bool styles) {
  if (row.blank) {
    return row.prefix.empty() && row.spans.empty() && !row.row_background ? "~" : "~ not empty";
  }
  std::string out = spans_text(row.prefix, styles) + "|" + spans_text(row.spans, styles);
  if (row.row_background) out += " @" + color_name(*row.row_background);
  return out;
}

// Rows one per line, so that a failing comparison prints both listings side by side.
inline std::string rows_text(const std::vector<Row>& rows, bool styles) {
  std::string out;
  for (const auto& row : rows) out += row_text(row, styles) + "\n";
  return out;
}

inline std::string joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) out += line + "\n";
  return out;
}

struct Case {
  const char* name;
  std::string markdown;
  std::vector<std::string> rows;
  std::uint16_t width = 80;
};

// Converts every case and compares the printed rows, plain or with styles.
inline void expect_rows(const std::vector<Case>& cases, bool styles) {
  const render::Palette palette = test_palette();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(rows_text(lines(c.markdown, palette, c.width), styles), joined(c.rows));
  }
}

}  // namespace orvane::markdown::fixture

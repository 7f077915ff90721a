#pragma once
// Styled lines as readable text, so a failing comparison shows what a person needs:
// "[bold fg=#fab283]hello[] world". Unstyled spans are bare text; a styled span is its
// style in brackets, its text, then "[]". Colours print as a palette role when a
// name table is given ("fg=blue"), else as #rrggbb or the terminal colour name.
#include <cstdio>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "render/palette.hpp"
#include "tui/style.hpp"
#include "tui/text.hpp"
#include "unicode/width.hpp"

namespace orvane::test {

using ColorNames = std::vector<std::pair<tui::Rgb, std::string>>;

// Role names of a palette's colours; where two roles share a value the first wins.
inline ColorNames color_names(const render::Palette& p) {
  ColorNames names;
  const std::pair<const tui::Color*, const char*> roles[] = {
      {&p.background, "background"},
      {&p.text, "text"},
      {&p.muted, "muted"},
      {&p.faint, "faint"},
      {&p.accent, "accent"},
      {&p.surface, "surface"},
      {&p.raised, "raised"},
      {&p.focus, "focus"},
      {&p.popup, "popup"},
      {&p.rule, "rule"},
      {&p.border, "border"},
      {&p.removed_bg, "removed_bg"},
      {&p.added_bg, "added_bg"},
      {&p.blue, "blue"},
      {&p.purple, "purple"},
      {&p.success, "success"},
      {&p.warning, "warning"},
      {&p.error, "error"},
      {&p.cyan, "cyan"},
  };
  for (const auto& [color, name] : roles) {
    if (const auto* rgb = std::get_if<tui::Rgb>(color)) names.emplace_back(*rgb, name);
  }
  return names;
}

inline std::string color_text(const tui::Color& color, const ColorNames& names = {}) {
  static const char* const kNamed[] = {"black",      "red",           "green",       "yellow",
                                       "blue",       "magenta",       "cyan",        "gray",
                                       "dark_gray",  "light_red",     "light_green", "light_yellow",
                                       "light_blue", "light_magenta", "light_cyan",  "white"};
  if (std::holds_alternative<tui::Reset>(color)) return "reset";
  if (const auto* named = std::get_if<tui::Named>(&color)) {
    return std::string("named:") + kNamed[static_cast<int>(*named)];
  }
  const tui::Rgb rgb = std::get<tui::Rgb>(color);
  for (const auto& [value, name] : names) {
    if (value == rgb) return name;
  }
  char hex[8];
  std::snprintf(hex, sizeof hex, "#%02x%02x%02x", rgb.r, rgb.g, rgb.b);
  return hex;
}

inline std::string modifier_text(tui::Modifier set, const char* sign) {
  static const std::pair<tui::Modifier, const char*> kNames[] = {
      {tui::Modifier::Bold, "bold"},
      {tui::Modifier::Italic, "italic"},
      {tui::Modifier::Underlined, "underlined"},
      {tui::Modifier::CrossedOut, "crossed_out"},
      {tui::Modifier::Reversed, "reversed"},
  };
  std::string out;
  for (const auto& [modifier, name] : kNames) {
    if (!tui::contains(set, modifier)) continue;
    if (!out.empty()) out += ' ';
    out += sign;
    out += name;
  }
  return out;
}

// "bold -italic fg=text bg=surface ul=red"; empty for the empty style.
inline std::string style_text(const tui::Style& style, const ColorNames& names = {}) {
  std::string out;
  const auto add = [&](const std::string& part) {
    if (part.empty()) return;
    if (!out.empty()) out += ' ';
    out += part;
  };
  add(modifier_text(style.add, ""));
  add(modifier_text(style.sub, "-"));
  if (style.fg) add("fg=" + color_text(*style.fg, names));
  if (style.bg) add("bg=" + color_text(*style.bg, names));
  if (style.underline) add("ul=" + color_text(*style.underline, names));
  return out;
}

inline std::string line_text(const tui::Line& line, const ColorNames& names = {}) {
  std::string out;
  if (line.style != tui::Style()) out += "{" + style_text(line.style, names) + "}";
  for (const tui::Span& span : line.spans) {
    if (span.style == tui::Style()) {
      out += span.content;
    } else {
      out += "[" + style_text(span.style, names) + "]" + span.content + "[]";
    }
  }
  return out;
}

// The characters of the line without styles.
inline std::string plain_text(const tui::Line& line) {
  std::string out;
  for (const tui::Span& span : line.spans) out += span.content;
  return out;
}

inline std::size_t line_width(const tui::Line& line) {
  std::size_t width = 0;
  for (const tui::Span& span : line.spans) width += unicode::text_width(span.content);
  return width;
}

}  // namespace orvane::test

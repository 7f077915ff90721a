#pragma once
#include <string>
#include <utility>
#include <vector>

#include "tui/style.hpp"

namespace orvane::tui {

struct Span {
  std::string content;
  Style style;

  Span() = default;
  Span(std::string text, Style s = {}) : content(std::move(text)), style(s) {}
  friend bool operator==(const Span&, const Span&) = default;
};

// One row of styled text; `style` is laid under every span.
struct Line {
  std::vector<Span> spans;
  Style style;

  Line() = default;
  Line(std::vector<Span> s, Style line_style = {}) : spans(std::move(s)), style(line_style) {}
  friend bool operator==(const Line&, const Line&) = default;
};

}  // namespace orvane::tui

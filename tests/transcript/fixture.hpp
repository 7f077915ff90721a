#pragma once
// A palette whose nineteen roles all differ, so a test sees which role a style took,
// and helpers that print transcript lines with those role names.
#include <cstdint>
#include <string>
#include <vector>

#include "bridge/json_value.hpp"
#include "render/palette.hpp"
#include "support/line_text.hpp"
#include "transcript/cell.hpp"
#include "transcript/transcript_line.hpp"

namespace orvane::transcript {

inline render::Palette role_palette() {
  render::Palette p{};
  tui::Color* fields[] = {&p.background, &p.text,       &p.muted,    &p.faint, &p.accent,
                          &p.surface,    &p.raised,     &p.focus,    &p.popup, &p.rule,
                          &p.border,     &p.removed_bg, &p.added_bg, &p.blue,  &p.purple,
                          &p.success,    &p.warning,    &p.error,    &p.cyan};
  std::uint8_t n = 1;
  for (tui::Color* field : fields) *field = tui::rgb(0, 0, n++);
  return p;
}

inline const test::ColorNames& role_names() {
  static const test::ColorNames names = test::color_names(role_palette());
  return names;
}

inline std::string styled(const tui::Line& line) {
  return test::line_text(line, role_names());
}

inline std::vector<std::string> styled(const std::vector<TranscriptLine>& lines) {
  std::vector<std::string> out;
  for (const TranscriptLine& l : lines) out.push_back(styled(l.line));
  return out;
}

inline std::vector<std::string> plain(const std::vector<TranscriptLine>& lines) {
  std::vector<std::string> out;
  for (const TranscriptLine& l : lines) out.push_back(test::plain_text(l.line));
  return out;
}

// The click value of each line as its JSON text, "-" for an inert line.
inline std::vector<std::string> clicks(const std::vector<TranscriptLine>& lines) {
  std::vector<std::string> out;
  for (const TranscriptLine& l : lines) out.push_back(l.click ? l.click->text : "-");
  return out;
}

inline std::string row_text(const Row& row) {
  std::string out;
  for (const Cell& cell : row) out += cell.text;
  return out;
}

}  // namespace orvane::transcript

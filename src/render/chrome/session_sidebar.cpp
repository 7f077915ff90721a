#include "render/chrome/session_sidebar.hpp"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

#include "render/chrome/status_glyph.hpp"
#include "transcript/truncate.hpp"
#include "tui/style.hpp"
#include "tui/text.hpp"
#include "unicode/padded.hpp"
#include "unicode/case.hpp"

namespace orvane::render::chrome {

namespace {

bool matches(const bridge::Session& session, std::string_view lowered_filter) {
  if (lowered_filter.empty()) return true;
  const std::string haystack = unicode::to_lower(session.title + " " + session.id + " " +
                                                 session.workspace + " " + session.group);
  return haystack.find(lowered_filter) != std::string::npos;
}

bool open_in_tab(const bridge::Session& session, const std::vector<bridge::Session>& tabs) {
  return std::any_of(tabs.begin(), tabs.end(), [&](const bridge::Session& tab) {
    return tab.id == session.id && tab.workspace == session.workspace;
  });
}

// The session's text cut to leave room for the marker and glyph, then padded so the row's
// background runs to its end.
std::string row_text(std::string_view text, std::size_t width) {
  return unicode::padded(transcript::truncate(text, width > 3 ? width - 3 : 0), width);
}

void add_session(std::vector<SidebarLine>& lines, const bridge::Session& session, std::size_t index,
                 const bridge::Snapshot& snapshot, const Palette& palette, std::size_t width,
                 std::uint64_t tick) {
  const tui::Color& background = session.active ? palette.raised : palette.surface;
  const char* marker = session.active ? "▌" : open_in_tab(session, snapshot.tabs) ? "◦" : " ";
  const tui::Span marker_span(marker, tui::Style().with_fg(palette.accent).with_bg(background));
  const StatusGlyph glyph = status_glyph(session.status, palette, tick);
  const tui::Style glyph_style = tui::Style().with_fg(glyph.color).with_bg(background);
  tui::Style title_style = tui::Style().with_fg(palette.text).with_bg(background);
  if (session.active) title_style.with_add(tui::Modifier::Bold);

  lines.push_back({tui::Line({marker_span, tui::Span(std::string(glyph.text) + " ", glyph_style),
                              tui::Span(row_text(session.title, width), title_style)}),
                   SidebarEntry{index}});
  const std::string& second = session.sub.empty() ? session.state : session.sub;
  lines.push_back({tui::Line({marker_span, tui::Span("  ", tui::Style().with_bg(background)),
                              tui::Span(row_text(second, width), glyph_style)}),
                   SidebarEntry{index}});
}

}  // namespace

std::vector<SidebarLine> session_sidebar(const bridge::Snapshot& snapshot, const Palette& palette,
                                         std::uint16_t width, std::uint64_t tick,
                                         std::string_view filter) {
  const std::string lowered = unicode::to_lower(filter);
  std::vector<std::size_t> shown;
  for (std::size_t i = 0; i < snapshot.sessions.size(); ++i) {
    if (matches(snapshot.sessions[i], lowered)) shown.push_back(i);
  }

  std::vector<SidebarLine> lines;
  lines.push_back(
      {tui::Line({tui::Span("☰ Sessions", tui::Style().with_fg(palette.text))}), SidebarHeader{}});
  std::string count = "SESSIONS ";
  if (!filter.empty()) count += std::to_string(shown.size()) + " of ";
  count += std::to_string(snapshot.sessions.size());
  lines.push_back(
      {tui::Line({tui::Span(std::move(count),
                            tui::Style().with_fg(palette.faint).with_add(tui::Modifier::Bold))}),
       std::nullopt});

  std::string_view group;
  for (std::size_t index : shown) {
    const bridge::Session& session = snapshot.sessions[index];
    if (session.group != group) {
      lines.push_back(
          {tui::Line({tui::Span(
               session.group, tui::Style().with_fg(palette.muted).with_add(tui::Modifier::Bold))}),
           std::nullopt});
      group = session.group;
    }
    add_session(lines, session, index, snapshot, palette, width, tick);
  }

  if (snapshot.sessions_truncated) {
    lines.push_back(
        {tui::Line({tui::Span("[Session list truncated]", tui::Style().with_fg(palette.warning))}),
         std::nullopt});
  }
  if (!snapshot.archived_label.empty()) {
    lines.push_back(
        {tui::Line({tui::Span(snapshot.archived_label, tui::Style().with_fg(palette.faint))}),
         SidebarArchived{}});
  }
  return lines;
}

}  // namespace orvane::render::chrome

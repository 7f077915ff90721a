#include "render/chrome/details_rows.hpp"

#include <string>
#include <utility>

#include "transcript/line.hpp"
#include "transcript/wrap.hpp"
#include "tui/style.hpp"
#include "unicode/padded.hpp"

namespace orvane::render::chrome {

namespace {

// Session values hang in a column this far in, under their labels.
constexpr std::size_t kLabelColumns = 11;
constexpr std::size_t kLogLabelColumns = 10;

tui::Style header_style(const Palette& palette) {
  return tui::Style().with_fg(palette.faint).with_add(tui::Modifier::Bold);
}

void add(DetailsContent& content, tui::Line line, std::optional<std::size_t> target = {}) {
  content.lines.push_back(std::move(line));
  content.targets.push_back(target);
}

void add_text(DetailsContent& content, std::string text, const tui::Style& style) {
  add(content, tui::Line({tui::Span(std::move(text), style)}));
}

void add_blank(DetailsContent& content) {
  add(content, tui::Line());
}

DetailsContent session_section(const bridge::DetailsPanel& panel, const Palette& palette,
                               std::size_t width) {
  DetailsContent out;
  add_text(out, "SESSION", header_style(palette));
  const std::size_t value_width = width > kLabelColumns ? width - kLabelColumns : 0;
  for (const bridge::LabelValue& fact : panel.session) {
    bool first = true;
    for (transcript::Row& row : transcript::wrap(
             {tui::Span(fact.value, tui::Style().with_fg(palette.text))}, value_width)) {
      std::string prefix =
          first ? unicode::padded(fact.label, kLabelColumns) : std::string(kLabelColumns, ' ');
      first = false;
      add(out, transcript::line({tui::Span(std::move(prefix), tui::Style().with_fg(palette.muted))},
                                std::move(row), false, width, tui::Style()));
    }
  }
  add_blank(out);
  return out;
}

tui::Line file_row(const bridge::FileChange& file, const Palette& palette) {
  tui::Line row;
  row.spans.emplace_back(file.open ? "▾ " : "▸ ", tui::Style().with_fg(palette.faint));
  if (file.created) {
    row.spans.emplace_back("A ", tui::Style().with_fg(palette.success));
  } else {
    row.spans.emplace_back("M ", tui::Style().with_fg(palette.warning));
  }
  const std::size_t slash = file.path.rfind('/');
  if (slash == std::string::npos) {
    row.spans.emplace_back(file.path);
  } else {
    if (slash > 0) {
      row.spans.emplace_back(file.path.substr(0, slash + 1), tui::Style().with_fg(palette.faint));
    }
    row.spans.emplace_back(file.path.substr(slash + 1));
  }
  row.spans.emplace_back("  ");
  if (file.added == 0 && file.removed == 0) {
    if (file.created) row.spans.emplace_back("new", tui::Style().with_fg(palette.success));
  } else {
    row.spans.emplace_back("+" + std::to_string(file.added), tui::Style().with_fg(palette.success));
    row.spans.emplace_back(" -" + std::to_string(file.removed),
                           tui::Style().with_fg(palette.error));
  }
  return row;
}

const tui::Color& diff_color(std::string_view entry, const Palette& palette) {
  if (entry.starts_with('+')) return palette.success;
  if (entry.starts_with('-')) return palette.error;
  if (entry.starts_with('@') || entry.starts_with("…")) return palette.faint;
  return palette.muted;
}

DetailsContent files_section(const bridge::DetailsPanel& panel, const Palette& palette) {
  DetailsContent out;
  add_text(out,
           panel.files.empty() ? "MODIFIED FILES"
                               : "MODIFIED FILES  " + std::to_string(panel.files.size()),
           header_style(palette));
  add_blank(out);
  if (panel.files.empty()) {
    add_text(out, "No files changed yet.", tui::Style().with_fg(palette.faint));
  }
  for (std::size_t i = 0; i < panel.files.size(); ++i) {
    const bridge::FileChange& file = panel.files[i];
    add(out, file_row(file, palette), i);
    if (!file.open) continue;
    for (const std::string& entry : file.diff) {
      add_text(out, "  " + entry, tui::Style().with_fg(diff_color(entry, palette)));
    }
    if (file.diff.empty()) {
      add_text(
          out,
          file.created ? "  New file; no diff preview reported." : "  No diff preview reported.",
          tui::Style().with_fg(palette.faint));
    }
  }
  if (!panel.files_summary.empty()) {
    add_text(out, panel.files_summary, tui::Style().with_fg(palette.faint));
  }
  add_blank(out);
  return out;
}

const tui::Color& tone_color(std::string_view tone, const Palette& palette) {
  if (tone == "success") return palette.success;
  if (tone == "warning") return palette.warning;
  if (tone == "error" || tone == "plain-error") return palette.error;
  return palette.faint;
}

DetailsContent mcp_section(const bridge::DetailsPanel& panel, const Palette& palette) {
  DetailsContent out;
  add_text(out, "MCP SERVERS", header_style(palette));
  add_blank(out);
  for (const bridge::McpRow& server : panel.mcp) {
    const tui::Style tone = tui::Style().with_fg(tone_color(server.tone, palette));
    if (server.tone.starts_with("plain-")) {
      add_text(out, server.name, tone);
      continue;
    }
    add(out, tui::Line({tui::Span("● ", tone), tui::Span(server.name),
                        tui::Span("  " + server.detail, tui::Style().with_fg(palette.faint))}));
  }
  return out;
}

DetailsContent log_rows(const std::vector<std::string>& logs, const Palette& palette,
                        std::size_t width) {
  DetailsContent out;
  for (const std::string& entry : logs) {
    for (transcript::Row& row : transcript::wrap({tui::Span(entry)}, width)) {
      add(out,
          transcript::line({}, std::move(row), false, width, tui::Style().with_fg(palette.text)));
    }
  }
  return out;
}

void append(DetailsContent& to, DetailsContent from) {
  for (std::size_t i = 0; i < from.lines.size(); ++i) {
    add(to, std::move(from.lines[i]), from.targets[i]);
  }
}

}  // namespace

DetailsContent details_rows(const bridge::Snapshot& snapshot, const Palette& palette,
                            std::uint16_t width) {
  const bridge::DetailsPanel& panel = snapshot.details_panel;
  // Each tab is one section, built on its own: finding a section by its heading text would
  // also find bridge text (a session label, a files summary) that reads like a heading.
  if (panel.tab == "Session") return session_section(panel, palette, width);
  if (panel.tab == "Files") return files_section(panel, palette);
  if (panel.tab == "MCP") return mcp_section(panel, palette);
  if (panel.tab == "Logs") return log_rows(snapshot.logs, palette, width);
  DetailsContent all = session_section(panel, palette, width);
  append(all, files_section(panel, palette));
  append(all, mcp_section(panel, palette));
  return all;
}

std::vector<tui::Line> log_header_rows(const bridge::Snapshot& snapshot, const Palette& palette,
                                       std::uint16_t width) {
  std::vector<tui::Line> rows;
  for (const bridge::LabelValue& fact : snapshot.details_panel.logs_header) {
    std::string text = unicode::padded(fact.label, kLogLabelColumns) + fact.value;
    if (fact.label == "Session") text += " ⧉";
    for (transcript::Row& row : transcript::wrap(
             {tui::Span(std::move(text), tui::Style().with_fg(palette.muted))}, width)) {
      rows.push_back(transcript::line({}, std::move(row), false, width, tui::Style()));
    }
  }
  return rows;
}

std::optional<std::string_view> details_tab_at(std::uint16_t x, std::uint16_t column) {
  // The strip starts two columns in and shows each name followed by a space.
  std::size_t at = x + std::size_t{2};
  for (std::string_view tab : kDetailsTabs) {
    const std::size_t end = at + tab.size() + 1;
    if (column >= at && column < end) return tab;
    at = end;
  }
  return std::nullopt;
}

}  // namespace orvane::render::chrome

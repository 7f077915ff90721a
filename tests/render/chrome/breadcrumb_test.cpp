#include "render/chrome/breadcrumb.hpp"

#include <gtest/gtest.h>

#include <string>

#include "support/line_text.hpp"

namespace orvane::render::chrome {
namespace {

bridge::Snapshot crumbs(std::string status, std::string breadcrumb = "", std::string notice = "") {
  bridge::Snapshot snapshot;
  snapshot.status = std::move(status);
  snapshot.breadcrumb = std::move(breadcrumb);
  snapshot.update_notice = std::move(notice);
  return snapshot;
}

TEST(BreadcrumbStatus, Vocabulary) {
  struct Case {
    const char* status;
    std::uint64_t tick;
    const char* want;
  };
  const Case cases[] = {
      {"input", 0, "\u25CF needs input"},
      {"awaiting_input", 3, "\u25CF needs input"},
      {"awaiting_permission", 0, "\u25CF needs input"},
      {"active", 0, "\u280B running"},
      {"running", 12, "\u2839 running"},
      {"working", 19, "\u280F running"},
      {"idle", 0, "idle"},
      {"", 0, ""},
      {"compacting_context", 0, "compacting context"},
      {"_a__b_", 0, " a  b "},
      // Matched exactly: no case folding, no trimming.
      {"Running", 0, "Running"},
      {"input ", 0, "input "},
  };
  for (const Case& c : cases)
    EXPECT_EQ(breadcrumb_status(c.status, c.tick), c.want) << '"' << c.status << '"';
}

TEST(BreadcrumbRow, SpansFromLeftToRight) {
  const Palette palette = Palette::make(false);
  const test::ColorNames names = test::color_names(palette);
  struct Case {
    const char* name;
    bridge::Snapshot snapshot;
    tui::Rect band;
    std::string want;
  };
  const std::string spaces23(23, ' ');
  const Case cases[] = {
      {"notice and separator",
       crumbs("idle", "repo", "v2"),
       {0, 0, 40, 3},
       "[fg=muted]  repo" + spaces23 +
           "[][fg=accent]v2[][fg=faint] \u00B7 [][fg=muted]idle[][fg=border]  []"},
      {"no notice, no separator",
       crumbs("idle", "repo"),
       {0, 0, 40, 3},
       "[fg=muted]  repo" + spaces23 +
           "     [][fg=accent][][fg=faint][][fg=muted]idle[][fg=border]  []"},
      {"compact band ends in the details button",
       crumbs("awaiting_permission", "repo"),
       {0, 0, 30, 2},
       "[fg=muted]  repo" + std::string(7, ' ') +
           "[][fg=accent][][fg=faint][][fg=muted]\u25CF needs input[][fg=border]  \u2590 []"},
      {"empty status gives the breadcrumb the room",
       crumbs("", "0123456789abcdefghij"),
       {0, 0, 20, 3},
       "[fg=muted]  0123456789abcde\u2026[][fg=accent][][fg=faint][][fg=muted][][fg=border]  []"},
  };
  for (const Case& c : cases) {
    const tui::Line line = breadcrumb_row(c.snapshot, c.band, palette, 0);
    EXPECT_EQ(test::line_text(line, names), c.want) << c.name;
    EXPECT_EQ(test::line_width(line), c.band.width) << c.name;
  }
}

TEST(BreadcrumbRow, LongBreadcrumbIsCutSoTheRightEndStays) {
  const Palette palette = Palette::make(false);
  const bridge::Snapshot snapshot = crumbs("idle", std::string(100, 'b'), "update ready");
  for (const tui::Rect band : {tui::Rect{0, 0, 40, 3}, tui::Rect{7, 2, 40, 2}}) {
    const tui::Line line = breadcrumb_row(snapshot, band, palette, 0);
    EXPECT_EQ(test::line_width(line), 40u);
    const std::string text = test::plain_text(line);
    const std::string end = band.height == 2 ? "\u2026update ready \u00B7 idle  \u2590 "
                                             : "\u2026update ready \u00B7 idle  ";
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
  }
}

TEST(BreadcrumbRow, BusyStatusTakesTheAgentColour) {
  const Palette palette = Palette::make(false);
  const test::ColorNames names = test::color_names(palette);
  struct Case {
    const char* status;
    const char* agent_color;
    std::string want;
  };
  const Case cases[] = {
      {"running", "$ov-purple", "[fg=purple]\u2839 running[]"},
      {"active", "#ff0000", "[fg=#ff0000]\u2839 running[]"},
      {"working", "", "[fg=blue]\u2839 running[]"},
      {"running", "purple", "[fg=blue]\u2839 running[]"},
      {"running", "#ff00", "[fg=blue]\u2839 running[]"},
      // Only the busy states take it.
      {"awaiting_permission", "$ov-purple", "[fg=muted]\u25CF needs input[]"},
      {"idle", "$ov-purple", "[fg=muted]idle[]"},
  };
  for (const Case& c : cases) {
    bridge::Snapshot snapshot = crumbs(c.status, "repo");
    snapshot.agent_color = c.agent_color;
    const tui::Line line = breadcrumb_row(snapshot, {0, 0, 40, 3}, palette, 12);
    ASSERT_EQ(line.spans.size(), 5u);
    EXPECT_EQ(test::line_text(tui::Line({line.spans[3]}), names), c.want)
        << c.status << " " << c.agent_color;
  }
}

}  // namespace
}  // namespace orvane::render::chrome

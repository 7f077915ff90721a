#include "render/chrome/update_notice.hpp"

#include <gtest/gtest.h>

#include <string>

#include "render/chrome/top_bar.hpp"
#include "render/palette.hpp"
#include "tui/buffer.hpp"

namespace orvane::render::chrome {
namespace {

bridge::Snapshot noticed(std::string notice, std::string status = "idle") {
  bridge::Snapshot snapshot;
  snapshot.update_notice = std::move(notice);
  snapshot.status = std::move(status);
  snapshot.breadcrumb = "repo";
  return snapshot;
}

TEST(NoticeWidth, RoomBesideTheStatusAtMostTwenty) {
  struct Case {
    const char* name;
    bridge::Snapshot snapshot;
    tui::Rect band;
    std::size_t want;
  };
  const std::string sixteen = "abcdefghijklmnop";
  const Case cases[] = {
      {"no notice", noticed(""), {0, 0, 80, 3}, 0},
      {"short notice", noticed("v2"), {0, 0, 80, 3}, 2},
      {"never more than twenty", noticed(std::string(32, 'n')), {0, 0, 200, 3}, 20},
      // "idle" and the four columns around it leave 12.
      {"cut to the room", noticed(sixteen), {0, 0, 20, 3}, 12},
      {"the compact cap takes two more", noticed(sixteen), {0, 0, 20, 2}, 10},
      {"a busy status is measured with its spinner", noticed(sixteen, "running"), {0, 0, 20, 3}, 7},
      {"a wide character that straddles the ellipsis is left out",
       noticed("abc\u5B57\u5B57\u5B57"),
       {0, 0, 13, 3},
       4},
  };
  for (const Case& c : cases) EXPECT_EQ(notice_width(c.snapshot, c.band), c.want) << c.name;
}

// The columns of `row` that the hit test claims, read off the drawn bar.
std::string hit_text(const bridge::Snapshot& snapshot, tui::Rect band, const tui::Buffer& buffer,
                     std::uint16_t row) {
  std::string text;
  for (std::uint16_t x = buffer.area().x; x < buffer.area().right(); ++x) {
    if (update_notice_at(snapshot, band, x, row)) text += buffer.at(x, row).shown();
  }
  return text;
}

TEST(UpdateNoticeAt, MatchesWhereTheBarDrawsTheNotice) {
  struct Case {
    const char* name;
    bridge::Snapshot snapshot;
    tui::Rect band;
    std::uint16_t row;
    std::string want;
  };
  const Case cases[] = {
      {"full bar, second row", noticed("update ready"), {0, 0, 60, 3}, 1, "update ready"},
      {"compact bar, first row",
       noticed("update ready", "running"),
       {12, 4, 48, 2},
       4,
       "update ready"},
      {"cut notice",
       noticed(std::string(30, 'n')),
       {3, 1, 70, 3},
       2,
       std::string(19, 'n') + "\u2026"},
  };
  for (const Case& c : cases) {
    tui::Buffer buffer({0, 0, 80, 8});
    draw_top_bar(buffer, c.snapshot, c.band, Palette::make(false), 0);
    EXPECT_EQ(hit_text(c.snapshot, c.band, buffer, c.row), c.want) << c.name;
    for (std::uint16_t y = 0; y < 8; ++y) {
      if (y == c.row) continue;
      EXPECT_EQ(hit_text(c.snapshot, c.band, buffer, y), "") << c.name << " row " << y;
    }
  }
}

TEST(UpdateNoticeAt, EndsExactlyAtTheNoticesLastColumn) {
  // Status "idle": the notice ends 4 + 5 columns before the band's right edge, at column 51.
  const bridge::Snapshot snapshot = noticed("update");
  const tui::Rect band{0, 0, 60, 3};
  EXPECT_FALSE(update_notice_at(snapshot, band, 44, 1));
  EXPECT_TRUE(update_notice_at(snapshot, band, 45, 1));
  EXPECT_TRUE(update_notice_at(snapshot, band, 50, 1));
  EXPECT_FALSE(update_notice_at(snapshot, band, 51, 1));
}

TEST(UpdateNoticeAt, NothingWithoutANoticeOrOutsideTheBand) {
  const tui::Rect band{0, 0, 60, 3};
  const bridge::Snapshot empty = noticed("");
  for (std::uint16_t y = 0; y < 4; ++y) {
    for (std::uint16_t x = 0; x < 62; ++x)
      EXPECT_FALSE(update_notice_at(empty, band, x, y)) << x << "," << y;
  }
  // A one-row band has no breadcrumb row; the row under it belongs to the transcript.
  const bridge::Snapshot snapshot = noticed("update");
  for (std::uint16_t x = 0; x < 62; ++x)
    EXPECT_FALSE(update_notice_at(snapshot, {0, 0, 60, 1}, x, 1)) << x;
}

}  // namespace
}  // namespace orvane::render::chrome

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/chrome/session_sidebar.hpp"
#include "support/line_text.hpp"

namespace orvane::render::chrome {
namespace {

bridge::Session session(std::string title, std::string group = "", std::string status = "") {
  bridge::Session s;
  s.title = title;
  s.id = "id-" + title;
  s.group = std::move(group);
  s.status = std::move(status);
  s.state = "idle";
  return s;
}

std::vector<std::string> texts(const std::vector<SidebarLine>& lines) {
  std::vector<std::string> out;
  for (const SidebarLine& line : lines) out.push_back(test::plain_text(line.line));
  return out;
}

class SessionSidebar : public ::testing::Test {
 protected:
  Palette palette = Palette::make(false);
  test::ColorNames names = test::color_names(palette);
  bridge::Snapshot snapshot;

  std::vector<std::string> styled(const std::vector<SidebarLine>& lines) const {
    std::vector<std::string> out;
    for (const SidebarLine& line : lines) out.push_back(test::line_text(line.line, names));
    return out;
  }
};

TEST_F(SessionSidebar, WithoutSessionsHeaderCountAndFooters) {
  auto lines = session_sidebar(snapshot, palette, 20, 0, "");
  EXPECT_EQ(styled(lines),
            (std::vector<std::string>{"[fg=text]☰ Sessions[]", "[bold fg=faint]SESSIONS 0[]"}));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].hit, SidebarHit(SidebarHeader{}));
  EXPECT_FALSE(lines[1].hit);

  snapshot.sessions_truncated = true;
  snapshot.archived_label = "12 archived";
  lines = session_sidebar(snapshot, palette, 20, 0, "");
  EXPECT_EQ(styled(lines),
            (std::vector<std::string>{"[fg=text]☰ Sessions[]", "[bold fg=faint]SESSIONS 0[]",
                                      "[fg=warning][Session list truncated][]",
                                      "[fg=faint]12 archived[]"}));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_FALSE(lines[2].hit);
  EXPECT_EQ(lines[3].hit, SidebarHit(SidebarArchived{}));
}

TEST_F(SessionSidebar, FilterMatchesTitleIdWorkspaceAndGroupIgnoringCase) {
  snapshot.sessions = {session("Fix parser"), session("Write docs"), session("Deploy"),
                       session("Refactor"), session("Café menu")};
  snapshot.sessions[1].workspace = "my-api";
  snapshot.sessions[2].group = "Ops";
  snapshot.sessions[3].id = "ABC-7";
  struct Case {
    std::string filter;
    std::string count;
    std::vector<std::string> titles;
  };
  const std::vector<Case> cases = {
      {"", "SESSIONS 5", {"Fix parser", "Write docs", "Deploy", "Refactor", "Café menu"}},
      {"API", "SESSIONS 1 of 5", {"Write docs"}},
      {"fix PARSER", "SESSIONS 1 of 5", {"Fix parser"}},
      {"ops", "SESSIONS 1 of 5", {"Deploy"}},
      {"abc-7", "SESSIONS 1 of 5", {"Refactor"}},
      {"CAFÉ", "SESSIONS 1 of 5", {"Café menu"}},
      // The fields are searched as one text joined by spaces.
      {"deploy id-deploy", "SESSIONS 1 of 5", {"Deploy"}},
      {"r", "SESSIONS 3 of 5", {"Fix parser", "Write docs", "Refactor"}},
      {"nothing like it", "SESSIONS 0 of 5", {}},
  };
  for (const Case& c : cases) {
    const auto lines = session_sidebar(snapshot, palette, 30, 0, c.filter);
    ASSERT_GE(lines.size(), 2u) << c.filter;
    EXPECT_EQ(test::plain_text(lines[1].line), c.count) << c.filter;
    std::vector<std::string> titles;
    for (const SidebarLine& line : lines) {
      const auto* entry = line.hit ? std::get_if<SidebarEntry>(&*line.hit) : nullptr;
      // Each session has two lines; its title is on the first.
      if (entry && (titles.empty() || titles.back() != snapshot.sessions[entry->index].title)) {
        titles.push_back(snapshot.sessions[entry->index].title);
        EXPECT_NE(test::plain_text(line.line).find(titles.back()), std::string::npos);
      }
    }
    EXPECT_EQ(titles, c.titles) << c.filter;
  }
}

TEST_F(SessionSidebar, GroupLineWhenTheGroupChangesFromTheLastShownSession) {
  snapshot.sessions = {session("a", ""), session("b", "Work"), session("c", "Work"),
                       session("d", "Play"), session("e", "Work")};
  std::vector<std::string> want = {"☰ Sessions", "SESSIONS 5"};
  // Each title with the group line expected above it, if any.
  for (const auto& [group_line, title] : std::vector<std::pair<std::string, std::string>>{
           {"", "a"}, {"Work", "b"}, {"", "c"}, {"Play", "d"}, {"Work", "e"}}) {
    if (!group_line.empty()) want.push_back(group_line);
    want.push_back(" · " + title + "      ");
    want.push_back("   idle   ");
  }
  const auto lines = session_sidebar(snapshot, palette, 7, 0, "");
  EXPECT_EQ(texts(lines), want);
  EXPECT_EQ(test::line_text(lines[4].line, names), "[bold fg=muted]Work[]");
  EXPECT_FALSE(lines[4].hit);

  // With "d" filtered out, "e" follows "c" in the same group: no second "Work" line.
  snapshot.sessions[3].title = "x";
  snapshot.sessions[3].id = "x";
  snapshot.sessions[3].group = "x";
  std::vector<std::string> groups;
  for (const SidebarLine& line : session_sidebar(snapshot, palette, 7, 0, "id-")) {
    if (!line.hit && test::plain_text(line.line) == "Work") groups.push_back("Work");
  }
  EXPECT_EQ(groups, std::vector<std::string>{"Work"});
}

TEST_F(SessionSidebar, SessionRowsMarkersColoursAndHits) {
  bridge::Session active = session("Alpha", "", "done");
  active.active = true;
  bridge::Session tabbed = session("Beta", "", "input");
  tabbed.workspace = "w";
  tabbed.sub = "waiting for you";
  bridge::Session same_id_other_workspace = session("Gamma", "", "stalled");
  snapshot.sessions = {active, tabbed, same_id_other_workspace};
  snapshot.tabs = {tabbed, same_id_other_workspace};
  snapshot.tabs[1].workspace = "elsewhere";

  const auto lines = session_sidebar(snapshot, palette, 10, 0, "");
  const std::vector<std::string> all = styled(lines);
  EXPECT_EQ(std::vector<std::string>(all.begin() + 2, all.end()),
            (std::vector<std::string>{
                "[fg=accent bg=raised]▌[][fg=success bg=raised]✓ []"
                "[bold fg=text bg=raised]Alpha     []",
                "[fg=accent bg=raised]▌[][bg=raised]  [][fg=success bg=raised]idle      []",
                "[fg=accent bg=surface]◦[][fg=warning bg=surface]● []"
                "[fg=text bg=surface]Beta      []",
                "[fg=accent bg=surface]◦[][bg=surface]  [][fg=warning bg=surface]waitin…   []",
                "[fg=accent bg=surface] [][fg=faint bg=surface]· []"
                "[fg=text bg=surface]Gamma     []",
                "[fg=accent bg=surface] [][bg=surface]  [][fg=faint bg=surface]idle      []",
            }));
  for (std::size_t i = 2; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].hit, SidebarHit(SidebarEntry{(i - 2) / 2})) << i;
  }
}

TEST_F(SessionSidebar, TextIsCutAndPaddedToTheRowWidthInColumns) {
  struct Case {
    std::string title;
    std::uint16_t width;
    std::string want;
  };
  const std::vector<Case> cases = {
      {"abcdefghijklmnopqrst", 10, "abcdef…   "},
      {"abcdefg", 10, "abcdefg   "},
      // A wide character that would straddle the ellipsis is left out; padding makes up
      // the column.
      {"日本語テ", 9, "日本…    "},
      {"日本語", 10, "日本語    "},
  };
  for (const Case& c : cases) {
    snapshot.sessions = {session(c.title)};
    snapshot.sessions[0].state = c.title;
    const auto lines = session_sidebar(snapshot, palette, c.width, 0, "");
    ASSERT_EQ(lines.size(), 4u);
    for (std::size_t i = 2; i < 4; ++i) {
      EXPECT_EQ(lines[i].line.spans.back().content, c.want) << c.title;
      EXPECT_EQ(test::line_width(lines[i].line), c.width + 3u) << c.title;
    }
  }
}

TEST_F(SessionSidebar, OnlyWorkingGlyphsFollowTheTick) {
  snapshot.sessions = {session("a", "", "working"), session("b", "", "done"),
                       session("c", "", "input"), session("d", "", "")};
  const auto first = session_sidebar(snapshot, palette, 12, 0, "");
  const auto next = session_sidebar(snapshot, palette, 12, 1, "");
  ASSERT_EQ(first.size(), next.size());
  for (std::size_t i = 0; i < first.size(); ++i) {
    if (i == 2) {
      EXPECT_EQ(test::line_text(first[i].line, names),
                "[fg=accent bg=surface] [][fg=accent bg=surface]⠋ [][fg=text bg=surface]a" +
                    std::string(11, ' ') + "[]");
      EXPECT_EQ(test::plain_text(next[i].line), " ⠙ a" + std::string(11, ' '));
    } else {
      EXPECT_EQ(first[i].line, next[i].line) << i;
    }
    EXPECT_EQ(first[i].hit, next[i].hit) << i;
  }
}

}  // namespace
}  // namespace orvane::render::chrome

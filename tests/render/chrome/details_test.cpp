#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/chrome/details_rows.hpp"
#include "support/line_text.hpp"

namespace orvane::render::chrome {
namespace {

using Targets = std::vector<std::optional<std::size_t>>;
using Rows = std::vector<std::string>;

constexpr std::optional<std::size_t> kNone;

class DetailsRows : public ::testing::Test {
 protected:
  Palette palette = Palette::make(false);
  test::ColorNames names = test::color_names(palette);
  bridge::Snapshot snapshot;

  Rows styled(const std::vector<tui::Line>& lines) const {
    Rows out;
    for (const tui::Line& line : lines) out.push_back(test::line_text(line, names));
    return out;
  }

  static Rows plain(const std::vector<tui::Line>& lines) {
    Rows out;
    for (const tui::Line& line : lines) out.push_back(test::plain_text(line));
    return out;
  }

  DetailsContent tab(const std::string& name, std::uint16_t width = 30) {
    snapshot.details_panel.tab = name;
    DetailsContent content = details_rows(snapshot, palette, width);
    EXPECT_EQ(content.lines.size(), content.targets.size()) << name;
    return content;
  }
};

bridge::FileChange file(std::string path, std::uint64_t added, std::uint64_t removed,
                        bool created = false) {
  bridge::FileChange f;
  f.path = std::move(path);
  f.added = added;
  f.removed = removed;
  f.created = created;
  return f;
}

TEST_F(DetailsRows, EmptySessionTab) {
  const DetailsContent content = tab("Session");
  EXPECT_EQ(styled(content.lines), (Rows{"[bold fg=faint]SESSION[]", ""}));
  EXPECT_EQ(content.targets, (Targets{kNone, kNone}));
}

TEST_F(DetailsRows, SessionValuesHangElevenColumnsIn) {
  snapshot.details_panel.session = {
      {"Model", "sonnet"}, {"Folder", "alpha beta gamma"}, {"Working folder", "src"}};
  const DetailsContent content = tab("Session", 20);
  EXPECT_EQ(styled(content.lines), (Rows{
                                       "[bold fg=faint]SESSION[]",
                                       "[fg=muted]Model      [][fg=text]sonnet[]",
                                       "[fg=muted]Folder     [][fg=text]alpha[]",
                                       "[fg=muted]           [][fg=text]beta[]",
                                       "[fg=muted]           [][fg=text]gamma[]",
                                       // A long label is kept whole and pushes its value out.
                                       "[fg=muted]Working folder[][fg=text]src[]",
                                       "",
                                   }));
}

TEST_F(DetailsRows, FilesTabWithoutFiles) {
  const DetailsContent content = tab("Files");
  EXPECT_EQ(styled(content.lines),
            (Rows{"[bold fg=faint]MODIFIED FILES[]", "", "[fg=faint]No files changed yet.[]", ""}));
  EXPECT_EQ(content.targets, Targets(4, kNone));
}

TEST_F(DetailsRows, OnlyFileRowsCarryTheirFileIndex) {
  bridge::FileChange open = file("src/a.cpp", 2, 1);
  open.open = true;
  open.diff = {"@@ -1,2 +1,3 @@", "+added", "-removed"};
  snapshot.details_panel.files = {open, file("b.txt", 1, 0)};
  const DetailsContent content = tab("Files");
  EXPECT_EQ(plain(content.lines),
            (Rows{"MODIFIED FILES  2", "", "▾ M src/a.cpp  +2 -1", "  @@ -1,2 +1,3 @@", "  +added",
                  "  -removed", "▸ M b.txt  +1 -0", ""}));
  EXPECT_EQ(content.targets, (Targets{kNone, kNone, 0, kNone, kNone, kNone, 1, kNone}));
}

TEST_F(DetailsRows, FileRowSpans) {
  struct Case {
    bridge::FileChange file;
    std::string want;
  };
  const std::vector<Case> cases = {
      {file("src/lib/x.rs", 3, 0),
       "[fg=faint]▸ [][fg=warning]M [][fg=faint]src/lib/[]x.rs  [fg=success]+3[][fg=error] -0[]"},
      {file("src/new.rs", 0, 0, true),
       "[fg=faint]▸ [][fg=success]A [][fg=faint]src/[]new.rs  [fg=success]new[]"},
      {file("src/same.rs", 0, 0), "[fg=faint]▸ [][fg=warning]M [][fg=faint]src/[]same.rs  "},
      {file("README", 0, 4),
       "[fg=faint]▸ [][fg=warning]M []README  [fg=success]+0[][fg=error] -4[]"},
      {file("/x", 1, 1), "[fg=faint]▸ [][fg=warning]M []x  [fg=success]+1[][fg=error] -1[]"},
  };
  for (const Case& c : cases) {
    snapshot.details_panel.files = {c.file};
    const DetailsContent content = tab("Files");
    ASSERT_EQ(content.lines.size(), 4u) << c.file.path;
    EXPECT_EQ(test::line_text(content.lines[2], names), c.want);
  }
}

TEST_F(DetailsRows, OpenFileDiffLinesAndSummary) {
  bridge::FileChange changed = file("a", 1, 1);
  changed.open = true;
  changed.diff = {"+x", "-y", "@@ hunk", "… 4 more", " same", ""};
  bridge::FileChange created = file("b", 0, 0, true);
  created.open = true;
  bridge::FileChange edited = file("c", 0, 0);
  edited.open = true;
  snapshot.details_panel.files = {changed, created, edited};
  snapshot.details_panel.files_summary = "3 files";
  const Rows rows = styled(tab("Files").lines);
  EXPECT_EQ(Rows(rows.begin() + 3, rows.end()),
            (Rows{
                "[fg=success]  +x[]",
                "[fg=error]  -y[]",
                "[fg=faint]  @@ hunk[]",
                "[fg=faint]  … 4 more[]",
                "[fg=muted]   same[]",
                "[fg=muted]  []",
                "[fg=faint]▾ [][fg=success]A []b  [fg=success]new[]",
                "[fg=faint]  New file; no diff preview reported.[]",
                "[fg=faint]▾ [][fg=warning]M []c  ",
                "[fg=faint]  No diff preview reported.[]",
                "[fg=faint]3 files[]",
                "",
            }));
}

TEST_F(DetailsRows, McpToneColours) {
  snapshot.details_panel.mcp = {{"success", "git", "ready"},
                                {"warning", "web", "slow"},
                                {"error", "db", "down"},
                                {"starting", "fs", "…"},
                                {"plain-error", "broken", "ignored"},
                                {"plain-note", "quiet", "ignored"}};
  const DetailsContent content = tab("MCP");
  EXPECT_EQ(styled(content.lines), (Rows{
                                       "[bold fg=faint]MCP SERVERS[]",
                                       "",
                                       "[fg=success]● []git[fg=faint]  ready[]",
                                       "[fg=warning]● []web[fg=faint]  slow[]",
                                       "[fg=error]● []db[fg=faint]  down[]",
                                       "[fg=faint]● []fs[fg=faint]  …[]",
                                       "[fg=error]broken[]",
                                       "[fg=faint]quiet[]",
                                   }));
  EXPECT_EQ(content.targets, Targets(8, kNone));
}

TEST_F(DetailsRows, LogsTabWrapsEachEntryAtTheWidth) {
  snapshot.logs = {"short", "a long log entry that wraps"};
  snapshot.details_panel.session = {{"Model", "x"}};
  const DetailsContent content = tab("Logs", 12);
  EXPECT_EQ(styled(content.lines), (Rows{"[fg=text]short[]", "[fg=text]a long log[]",
                                         "[fg=text]entry that[]", "[fg=text]wraps[]"}));
  EXPECT_EQ(content.targets, Targets(4, kNone));
}

TEST_F(DetailsRows, UnknownTabShowsEverySectionWithFileTargets) {
  snapshot.details_panel.session = {{"Model", "x"}};
  snapshot.details_panel.files = {file("a", 1, 0)};
  snapshot.details_panel.mcp = {{"success", "git", "ok"}};
  snapshot.logs = {"not shown"};
  const Rows want = {"SESSION", "Model      x", "", "MODIFIED FILES  1", "", "▸ M a  +1 -0",
                     "",        "MCP SERVERS",  "", "● git  ok"};
  for (const std::string name : {"", "files", "SESSION", "Details"}) {
    const DetailsContent content = tab(name);
    EXPECT_EQ(plain(content.lines), want) << name;
    EXPECT_EQ(content.targets,
              (Targets{kNone, kNone, kNone, kNone, kNone, 0, kNone, kNone, kNone, kNone}));
  }
}

// Bridge text that reads like a section heading stays in its own section.
TEST_F(DetailsRows, HeadingLookalikesDoNotMoveSections) {
  snapshot.details_panel.session = {{"MCP SERVERS", ""}, {"MODIFIED FILES", "x"}};
  snapshot.details_panel.files = {file("a", 1, 0)};
  snapshot.details_panel.files_summary = "MCP SERVERS";
  snapshot.details_panel.mcp = {{"plain-note", "MODIFIED FILES", ""}};
  EXPECT_EQ(plain(tab("Session").lines), (Rows{"SESSION", "MCP SERVERS", "MODIFIED FILESx", ""}));
  const DetailsContent files = tab("Files");
  EXPECT_EQ(plain(files.lines), (Rows{"MODIFIED FILES  1", "", "▸ M a  +1 -0", "MCP SERVERS", ""}));
  EXPECT_EQ(files.targets, (Targets{kNone, kNone, 0, kNone, kNone}));
  EXPECT_EQ(plain(tab("MCP").lines), (Rows{"MCP SERVERS", "", "MODIFIED FILES"}));
}

TEST_F(DetailsRows, LogHeaderRowsMarkTheSessionAndWrap) {
  snapshot.details_panel.logs_header = {
      {"Session", "s-42"}, {"Log file", "/tmp/logs/bridge.log"}, {"Sessions", "3"}};
  EXPECT_EQ(styled(log_header_rows(snapshot, palette, 20)),
            (Rows{"[fg=muted]Session   s-42 ⧉[]", "[fg=muted]Log file[]",
                  "[fg=muted]/tmp/logs/bridge.log[]", "[fg=muted]Sessions  3[]"}));
  snapshot.details_panel.logs_header.clear();
  EXPECT_TRUE(log_header_rows(snapshot, palette, 20).empty());
}

TEST(DetailsTabAt, ColumnsOfTheTabStrip) {
  struct Case {
    std::uint16_t x, column;
    std::optional<std::string_view> want;
  };
  const std::vector<Case> cases = {
      {0, 0, std::nullopt},
      {0, 1, std::nullopt},
      {0, 2, "Session"},
      {0, 9, "Session"},
      {0, 10, "Files"},
      {0, 15, "Files"},
      {0, 16, "MCP"},
      {0, 19, "MCP"},
      {0, 20, "Logs"},
      {0, 24, "Logs"},
      {0, 25, std::nullopt},
      {100, 101, std::nullopt},
      {100, 109, "Session"},
      {100, 110, "Files"},
      {100, 125, std::nullopt},
      {100, 5, std::nullopt},
      {65534, 65535, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(details_tab_at(c.x, c.column), c.want) << c.x << " " << c.column;
  }
}

}  // namespace
}  // namespace orvane::render::chrome

#include "render/dialogs/toned_lines.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/line_text.hpp"

namespace orvane::render::dialogs {
namespace {

using Rows = std::vector<std::string>;

const Palette kPalette = Palette::make(false);

Rows styled(const std::vector<tui::Line>& lines) {
  const test::ColorNames names = test::color_names(kPalette);
  Rows out;
  for (const tui::Line& line : lines) out.push_back(test::line_text(line, names));
  return out;
}

Rows plain(const std::vector<tui::Line>& lines) {
  Rows out;
  for (const tui::Line& line : lines) out.push_back(test::plain_text(line));
  return out;
}

TEST(TonedLines, ToneChoosesTheColour) {
  struct Case {
    const char* tone;
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"ok", "passed", "[fg=success]passed[]"},
      {"add", "added", "[fg=success]added[]"},
      {"del", "gone", "[fg=error]gone[]"},
      {"bad", "broken", "[fg=error]broken[]"},
      {"critical", "down", "[fg=error]down[]"},
      {"warn", "slow", "[fg=warning]slow[]"},
      {"hunk", "@@ -1 +1 @@", "[fg=purple]@@ -1 +1 @@[]"},
      {"title", "Servers", "[bold fg=text]Servers[]"},
      {"header", "Tools", "[bold fg=text]Tools[]"},
      {"label", "name", "[fg=faint]name[]"},
      {"dim", "off", "[fg=faint]off[]"},
      {"unknown", "?", "[fg=faint]?[]"},
      {"kv", "  model: gpt", "  [fg=faint]model: [][fg=text]gpt[]"},
      {"kv", "no separator:here", "[fg=text]no separator:here[]"},
      {"kv", "url: http://a: b", "[fg=faint]url: [][fg=text]http://a: b[]"},
      {"note", "aside", "[fg=muted]aside[]"},
      {"", "plain", "[fg=muted]plain[]"},
      {"OK", "case matters", "[fg=muted]case matters[]"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(styled(toned_lines({c.text}, {c.tone}, 40, kPalette)), Rows{c.expected}) << c.tone;
  }
}

TEST(TonedLines, OnlyLinesWithATone) {
  EXPECT_EQ(plain(toned_lines({"a", "b", "c"}, {"ok", "ok"}, 20, kPalette)), (Rows{"a", "b"}));
  EXPECT_EQ(plain(toned_lines({"a"}, {"ok", "ok"}, 20, kPalette)), (Rows{"a"}));
}

TEST(TonedLines, WrapsUnderAHangingIndent) {
  const std::string word(40, 'x');
  struct Case {
    const char* name;
    std::string line;
    std::uint16_t width;
    Rows rows;
  };
  const Case cases[] = {
      {"indent 4 at width 40 wraps at 34",
       "    " + word,
       40,
       {"    " + std::string(34, 'x'), "      " + std::string(6, 'x')}},
      {"indent capped at half the width",
       std::string(30, ' ') + word,
       40,
       {std::string(20, ' ') + std::string(18, 'x'), std::string(22, ' ') + std::string(18, 'x'),
        std::string(22, ' ') + std::string(4, 'x')}},
      {"tab and no-break space count as indent", "\t\u00a0ab", 40, {"   ab"}},
      {"never narrower than four columns", "abcdefgh", 3, {"abcd", "  efgh"}},
      {"width 0", "  abcde", 0, {"abcd", "  e"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(plain(toned_lines({c.line}, {"warn"}, c.width, kPalette)), c.rows) << c.name;
  }
}

}  // namespace
}  // namespace orvane::render::dialogs

#include "render/dialogs/panel.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/dialogs/cell_text.hpp"
#include "support/buffer_rows.hpp"
#include "support/line_text.hpp"
#include "tui/buffer.hpp"
#include "unicode/width.hpp"

namespace orvane::render::dialogs {
namespace {

using Rows = std::vector<std::string>;

const Palette kPalette = Palette::make(false);

// The loop's view state for a panel, with editors that outlive the view.
struct PanelView {
  editor::Editor composer, form, answer;
  std::string filter;
  std::size_t selection = 0;
  std::size_t scroll = 0;
  bool text_focus = false;

  View view() const {
    View v{composer, form, answer, filter};
    v.selection = selection;
    v.panel_scroll = scroll;
    v.panel_text_focus = text_focus;
    return v;
  }
};

tui::Buffer draw(const bridge::Snapshot& snapshot, const PanelView& state, std::uint16_t width,
                 std::uint16_t height, Cache& cache) {
  tui::Buffer buffer(tui::Rect{0, 0, width, height});
  tui::Frame frame{buffer, buffer.area(), {}};
  draw_panel(frame, buffer.area(), snapshot, state.view(), cache, kPalette);
  return buffer;
}

tui::Buffer draw(const bridge::Snapshot& snapshot, const PanelView& state, std::uint16_t width,
                 std::uint16_t height) {
  Cache cache;
  return draw(snapshot, state, width, height, cache);
}

// `text` padded with spaces to `width` columns.
std::string row(std::string text, std::size_t width) {
  return text + std::string(width - unicode::text_width(text), ' ');
}

bridge::Snapshot models() {
  bridge::Snapshot snapshot;
  snapshot.panel_title = "Models";
  snapshot.panel_layout = "page";
  snapshot.items = {{"gpt-5", "", {}, "OpenAI"},
                    {"gpt-5-mini", "", {}, "OpenAI"},
                    {"sonnet", "", {}, "Anthropic"}};
  return snapshot;
}

// A row of a bordered 30-column page panel: the content is 26 columns between the borders.
std::string boxed(std::string text) { return "\u2502 " + row(std::move(text), 26) + " \u2502"; }

TEST(Panel, ListShowsFilterGroupsAndSelection) {
  PanelView state;
  state.selection = 1;
  const tui::Buffer buffer = draw(models(), state, 30, 12);
  const Rows rows = test::buffer_rows(buffer);
  EXPECT_EQ(rows[1], boxed("Models"));
  const Rows list = {boxed("Filter \u258f   Tab inspect det"),
                     boxed(""),
                     boxed("OpenAI"),
                     boxed("   gpt-5"),
                     boxed(" \u25b8 gpt-5-mini"),
                     boxed("Anthropic"),
                     boxed("   sonnet")};
  EXPECT_EQ(Rows(rows.begin() + 4, rows.begin() + 11), list);
  EXPECT_EQ(test::cell_text(buffer, 2, 6, kPalette), "bold fg=purple bg=background");
  EXPECT_EQ(test::cell_text(buffer, 4, 8, kPalette), "bold fg=text bg=focus");
  // The selected band runs to the content's right edge.
  EXPECT_EQ(test::cell_text(buffer, 27, 8, kPalette), "bold fg=text bg=focus");
  EXPECT_EQ(test::cell_text(buffer, 4, 7, kPalette), "fg=muted bg=background");
}

TEST(Panel, FilterMatchingNothingLeavesOnlyTheHeader) {
  PanelView state;
  state.filter = "zz";
  const Rows rows = test::buffer_rows(draw(models(), state, 30, 10));
  EXPECT_EQ(rows[4], boxed("Filter zz\u258f   Tab inspect d"));
  for (std::size_t y = 5; y < 9; ++y) EXPECT_EQ(rows[y], boxed("")) << y;
}

TEST(Panel, LoadingTitleTurnsWithTheSlowTick) {
  bridge::Snapshot snapshot = models();
  snapshot.panel_loading = true;
  for (const auto& [tick, title] : {std::pair{3, "\u2838 Models \u00b7 refreshing"},
                                    std::pair{10, "\u280b Models \u00b7 refreshing"}}) {
    Cache cache;
    cache.slow_tick = static_cast<std::uint64_t>(tick);
    const Rows rows = test::buffer_rows(draw(snapshot, PanelView{}, 40, 10, cache));
    EXPECT_EQ(rows[1], "\u2502 " + row(title, 36) + " \u2502") << tick;
  }
}

TEST(Panel, NavigationColumnBesideTheList) {
  bridge::Snapshot snapshot = models();
  snapshot.panel_title = "Sessions";
  snapshot.panel_lines = {"Pick a session", "two", "three"};
  snapshot.nav = bridge::Nav{{{"Recent", "", true}, {"All", "all", false}, {"Mine", "m", false}}, 1};
  const tui::Buffer buffer = draw(snapshot, PanelView{}, 60, 16);
  const Rows rows = test::buffer_rows(buffer);
  // The 60 x 16 region gives a 56 x 14 panel at (2, 1): its column is 24 wide at x 4 and
  // the list moves 26 columns right, to x 30.
  const auto at = [](std::string nav, std::string list) {
    return "  \u2502 " + row(std::move(nav), 24) + "  " + row(std::move(list), 26) + " \u2502  ";
  };
  EXPECT_EQ(rows[5], at("Recent", "Pick a session"));
  EXPECT_EQ(rows[6], at("\u25b8 All", "two"));
  EXPECT_EQ(rows[7], at("  Mine", "Filter \u258f   Tab inspect det"));
  EXPECT_EQ(rows[8], at("", ""));
  EXPECT_EQ(rows[9], at("", "OpenAI"));
  EXPECT_EQ(test::cell_text(buffer, 4, 5, kPalette), "bold fg=faint bg=background");
  EXPECT_EQ(test::cell_text(buffer, 27, 6, kPalette), "bold fg=accent bg=focus");
  EXPECT_EQ(test::cell_text(buffer, 4, 7, kPalette), "fg=muted bg=background");
  EXPECT_EQ(test::cell_text(buffer, 30, 5, kPalette), "fg=faint bg=background");
}

TEST(Panel, NavigationColumnDoesNotScroll) {
  bridge::Snapshot snapshot;
  snapshot.panel_title = "Nav";
  bridge::Nav nav;
  for (int i = 0; i < 40; ++i) nav.items.push_back({"entry" + std::to_string(i), "", false});
  snapshot.nav = nav;
  // A 20-row region gives an 18-row panel and a 13-row column: entries 0-12.
  const Rows rows = test::buffer_rows(draw(snapshot, PanelView{}, 60, 20));
  EXPECT_NE(rows[17].find("entry12"), std::string::npos);
  EXPECT_EQ(rows[18].find("entry13"), std::string::npos);
}

bridge::Snapshot text_panel(std::vector<std::string> lines, std::vector<std::string> tones = {}) {
  bridge::Snapshot snapshot;
  snapshot.panel_title = "Context";
  snapshot.panel_layout = "page";
  snapshot.panel_lines = std::move(lines);
  snapshot.panel_tones = std::move(tones);
  return snapshot;
}

TEST(Panel, TextUsesTonesOnlyWhenTheyPairWithTheLines) {
  const bridge::Snapshot mismatched = text_panel({"+ added", "- removed"}, {"ok"});
  const tui::Buffer plain = draw(mismatched, PanelView{}, 30, 10);
  EXPECT_EQ(test::cell_text(plain, 2, 4, kPalette), "fg=named:green bg=background");
  EXPECT_EQ(test::cell_text(plain, 2, 5, kPalette), "fg=named:red bg=background");

  const bridge::Snapshot toned = text_panel({"+ added", "- removed"}, {"ok", "warn"});
  const tui::Buffer coloured = draw(toned, PanelView{}, 30, 10);
  EXPECT_EQ(test::cell_text(coloured, 2, 4, kPalette), "fg=success bg=background");
  EXPECT_EQ(test::cell_text(coloured, 2, 5, kPalette), "fg=warning bg=background");
}

TEST(Panel, TextScrollStopsAtTheLastPage) {
  std::vector<std::string> lines;
  for (int i = 0; i < 20; ++i) lines.push_back("line" + std::to_string(i));
  PanelView state;
  for (const std::size_t scroll : {std::size_t{15}, std::size_t{1000}}) {
    state.scroll = scroll;
    // 12 rows: five for the frame, seven of text, showing lines 13-19.
    const Rows rows = test::buffer_rows(draw(text_panel(lines), state, 30, 12));
    EXPECT_EQ(rows[4], "\u2502 " + row("line13", 26) + " \u2502") << scroll;
    EXPECT_EQ(rows[10], "\u2502 " + row("line19", 26) + " \u2502") << scroll;
  }
}

TEST(Panel, TextFocusShowsTheTextInsteadOfTheList) {
  bridge::Snapshot snapshot = models();
  snapshot.panel_lines = {"details of gpt-5"};
  PanelView state;
  state.text_focus = true;
  const Rows rows = test::buffer_rows(draw(snapshot, state, 30, 10));
  EXPECT_EQ(rows[4], "\u2502 " + row("details of gpt-5", 26) + " \u2502");
}

TEST(Panel, MarkdownTextAndItsCacheEntry) {
  bridge::Snapshot snapshot = text_panel({"# Help", "", "Press **Enter**."});
  snapshot.panel_format = "markdown";
  Cache cache;
  const Rows rows = test::buffer_rows(draw(snapshot, PanelView{}, 40, 12, cache));
  const std::string text = [&] {
    std::string all;
    for (const std::string& r : rows) all += r + "\n";
    return all;
  }();
  EXPECT_NE(text.find("Help"), std::string::npos) << text;
  EXPECT_EQ(text.find("# Help"), std::string::npos) << text;
  EXPECT_EQ(text.find("**"), std::string::npos) << text;
  ASSERT_TRUE(cache.text_panel);
  EXPECT_EQ(cache.text_panel->width, 36);

  // The entry is kept while its key holds and replaced when the text changes.
  const std::vector<tui::Line>* held = &panel_text_rows(cache, snapshot, 36, kPalette);
  EXPECT_EQ(held, &cache.text_panel->rendered);
  const std::size_t count = held->size();
  snapshot.panel_lines.push_back("More.");
  EXPECT_GT(panel_text_rows(cache, snapshot, 36, kPalette).size(), count);
}

TEST(Panel, TextTakesTheNewColoursAfterAThemeChange) {
  const bridge::Snapshot snapshot = text_panel({"# Title"});
  const Palette dark = Palette::make(false), light = Palette::make(true);
  Cache cache;
  panel_text_rows(cache, snapshot, 20, dark);
  // What the loop does when a snapshot changes the theme.
  cache.reset();
  const std::vector<tui::Line>& rows = panel_text_rows(cache, snapshot, 20, light);
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(test::line_text(rows[0], test::color_names(light)), "{bold fg=accent}# Title");
}

TEST(Panel, FormTakesTheBody) {
  bridge::Snapshot snapshot = models();
  snapshot.panel_title = "Settings";
  snapshot.form = bridge::Form{"f", "", false, false, "Unsaved", 0};
  PanelView state;
  state.form.text = "theme=dark";
  state.form.cursor = state.form.text.size();
  const Rows rows = test::buffer_rows(draw(snapshot, state, 40, 10));
  EXPECT_NE(rows[4].find("theme=dark"), std::string::npos) << rows[4];
  EXPECT_NE(rows[7].find("Unsaved"), std::string::npos) << rows[7];
  EXPECT_NE(rows[8].find("Ctrl+S save"), std::string::npos) << rows[8];
}

TEST(Panel, DrawerHasNoBorders) {
  bridge::Snapshot snapshot = models();
  snapshot.panel_layout = "drawer";
  // Three items take seven rows at the bottom of a 30 x 12 region, from row 5.
  const Rows rows = test::buffer_rows(draw(snapshot, PanelView{}, 30, 12));
  EXPECT_EQ(rows[5], row("", 30));
  EXPECT_EQ(rows[6], row("  Models", 30));
  EXPECT_EQ(rows[7], row("  Filter \u258f   Tab inspect det", 30));
  EXPECT_EQ(rows[9], row("  OpenAI", 30));
}

}  // namespace
}  // namespace orvane::render::dialogs

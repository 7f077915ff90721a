// Every piece of the screen at once — tabs, both sidebars, a long transcript, a navigation
// panel with a list, a question prompt, a selection — drawn at every size from a single
// cell up: nothing may be drawn outside the frame (the sanitizers watch every write), and
// no cell may hold a control character, whatever the bridge put in its text.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "render/draw.hpp"
#include "tui/buffer.hpp"
#include "unicode/utf8.hpp"

namespace orvane::render {
namespace {

// Text with a control character, an escape sequence, a wide character and a combining mark.
const std::string kHostile = "a\x1b[31mred\x07 \u5bbd e\u0301 \t tab\r\nnext";

bridge::Snapshot everything() {
  bridge::Snapshot snapshot;
  snapshot.revision = 1;
  snapshot.title = kHostile;
  snapshot.breadcrumb = kHostile;
  snapshot.status = "running";
  snapshot.update_notice = kHostile;
  snapshot.model = "model";
  snapshot.sessions_sidebar = true;
  snapshot.details_sidebar = true;
  for (int i = 0; i < 4; ++i) {
    bridge::Session session;
    session.id = "s" + std::to_string(i);
    session.title = kHostile;
    session.group = i < 2 ? "one" : "two";
    session.status = i % 2 ? "working" : "done";
    session.active = i == 1;
    snapshot.sessions.push_back(session);
    snapshot.tabs.push_back(session);
  }
  snapshot.details_panel.tab = "Files";
  snapshot.details_panel.session = {{"Session", kHostile}};
  snapshot.details_panel.files = {{"src/" + kHostile, 3, 1, false, true, {"+" + kHostile, "-x"}}};
  snapshot.logs = {kHostile, kHostile};
  for (int i = 0; i < 30; ++i) {
    bridge::Content block;
    block.id = "b" + std::to_string(i);
    block.kind = i % 3 == 0 ? "markdown" : (i % 3 == 1 ? "user" : "tool");
    block.title = kHostile;
    block.text = "# " + kHostile + "\n\n- item " + kHostile + "\n\n```\n" + kHostile + "\n```";
    snapshot.blocks.push_back(block);
  }
  snapshot.panel_title = kHostile;
  snapshot.panel_loading = true;
  snapshot.panel_lines = {kHostile, kHostile};
  snapshot.items = {{kHostile, "", {}, "group"}, {"plain", "", {}, ""}};
  snapshot.nav = bridge::Nav{{{kHostile, "", true}, {kHostile, "", false}}, 1};
  snapshot.prompt = bridge::Prompt{"question", "q", {kHostile}, {{kHostile, "v", "1", false}}};
  return snapshot;
}

// Whether a code point of `symbol` is a C0 or C1 control or DEL.
bool has_control(const std::string& symbol) {
  for (std::size_t at = 0; at < symbol.size();) {
    const unicode::Decoded decoded = unicode::decode(symbol, at);
    if (decoded.code_point < 0x20 || (decoded.code_point >= 0x7f && decoded.code_point < 0xa0)) {
      return true;
    }
    at += decoded.length;
  }
  return false;
}

TEST(DrawEverything, AtEverySizeStaysInsideTheFrameAndShowsNoControls) {
  const bridge::Snapshot snapshot = everything();
  editor::Editor composer, form, answer;
  composer.insert(kHostile);
  answer.insert(kHostile);
  for (const bool text_focus : {false, true}) {
    Cache cache;
    cache.selection = Selection{{1, 3}, {40, 2}};
    cache.focus_range = Target{2, 5};
    cache.session_filter = "s";
    for (std::uint16_t width = 1; width <= 160; width += width < 20 ? 1 : 13) {
      for (std::uint16_t height = 1; height <= 50; height += height < 12 ? 1 : 9) {
        tui::Buffer buffer({0, 0, width, height});
        tui::Frame frame{buffer, buffer.area(), {}};
        View view{composer, form, answer, "pl"};
        view.panel_text_focus = text_focus;
        view.follow = false;
        view.transcript_offset = 7;
        view.panel_scroll = 3;
        view.sidebar_offset = 2;
        render::draw(frame, snapshot, view, cache);
        for (std::uint16_t y = 0; y < height; ++y) {
          for (std::uint16_t x = 0; x < width; ++x) {
            ASSERT_FALSE(has_control(buffer.at(x, y).symbol))
                << width << "x" << height << " at " << x << "," << y;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace orvane::render

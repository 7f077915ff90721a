#include "render/animating.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace orvane::render {
namespace {

using bridge::Content;
using bridge::Session;
using bridge::Snapshot;

struct AnimatingCase {
  std::string name;
  Snapshot snapshot;
  bool animating;
};

class Animating : public testing::TestWithParam<AnimatingCase> {};

TEST_P(Animating, SaysWhetherAnythingMoves) {
  EXPECT_EQ(animating(GetParam().snapshot), GetParam().animating);
}

Snapshot idle() {
  Snapshot s;
  s.status = "idle";
  return s;
}

Content block(std::string kind, std::string status, std::string text = "") {
  Content b;
  b.kind = std::move(kind);
  b.status = std::move(status);
  b.text = std::move(text);
  return b;
}

Session session(std::string status) {
  Session s;
  s.status = std::move(status);
  return s;
}

Snapshot with(auto change) {
  Snapshot s = idle();
  change(s);
  return s;
}

const std::string kSpinner = "\xEE\x80\x80";

INSTANTIATE_TEST_SUITE_P(
    Snapshots, Animating,
    testing::Values(
        AnimatingCase{"idle", idle(), false}, AnimatingCase{"default", Snapshot{}, false},
        AnimatingCase{"loading_panel", with([](Snapshot& s) { s.panel_loading = true; }), true},
        AnimatingCase{"recording", with([](Snapshot& s) { s.voice_phase = "recording"; }), true},
        AnimatingCase{"transcribing", with([](Snapshot& s) { s.voice_phase = "transcribing"; }),
                      true},
        AnimatingCase{"other_voice_phase", with([](Snapshot& s) { s.voice_phase = "Recording"; }),
                      false},
        AnimatingCase{"active", with([](Snapshot& s) { s.status = "active"; }), true},
        AnimatingCase{"running", with([](Snapshot& s) { s.status = "running"; }), true},
        AnimatingCase{"working", with([](Snapshot& s) { s.status = "working"; }), true},
        AnimatingCase{"awaiting_input", with([](Snapshot& s) { s.status = "awaiting_input"; }),
                      false},
        AnimatingCase{"spinner_in_block_text",
                      with([](Snapshot& s) { s.blocks = {block("tool", "", "tool " + kSpinner)}; }),
                      true},
        AnimatingCase{"running_tool_group",
                      with([](Snapshot& s) { s.blocks = {block("tool_group", "running")}; }), true},
        AnimatingCase{"finished_tool_group",
                      with([](Snapshot& s) { s.blocks = {block("tool_group", "failed")}; }), false},
        AnimatingCase{"running_block_of_other_kind",
                      with([](Snapshot& s) { s.blocks = {block("tool", "running")}; }), false},
        AnimatingCase{"spinner_only_in_member", with([](Snapshot& s) {
                        Content group = block("tool_group", "");
                        group.members = {block("tool", "running", kSpinner)};
                        s.blocks = {group};
                      }),
                      false},
        AnimatingCase{"spinner_in_title_only", with([](Snapshot& s) {
                        s.blocks = {block("tool", "")};
                        s.blocks[0].title = kSpinner;
                      }),
                      false},
        AnimatingCase{"working_session", with([](Snapshot& s) {
                        s.sessions = {session("done"), session("working")};
                      }),
                      true},
        AnimatingCase{"working_tab", with([](Snapshot& s) { s.tabs = {session("working")}; }),
                      true},
        AnimatingCase{"waiting_session", with([](Snapshot& s) { s.sessions = {session("input")}; }),
                      false}),
    [](const testing::TestParamInfo<AnimatingCase>& info) { return info.param.name; });

}  // namespace
}  // namespace orvane::render

#include "snapshot_json.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <variant>

#include "bridge/coalesce.hpp"
#include "bridge/decode.hpp"

namespace orvane::demo {
namespace {

bridge::Snapshot decoded(const std::string& line) {
  auto result = bridge::decode_snapshot(line);
  if (auto* error = std::get_if<bridge::DecodeError>(&result)) {
    ADD_FAILURE() << error->message << "\n" << line;
    return {};
  }
  return std::get<bridge::Snapshot>(std::move(result));
}

bridge::Content every_content_field(int depth) {
  bridge::Content c;
  c.id = "id" + std::to_string(depth);
  c.title = "Title \"quoted\" \\ back";
  c.text = "line one\nline\ttwo \x1b[31mred\x1b[0m ünïcödé 🙂";
  c.kind = "tool_group";
  c.operation = bridge::JsonValue{R"({"a":[1,{"b":null}],"c":"d"})"};
  c.path = "src/x.py";
  c.added = 3;
  c.removed = 4;
  c.diff_rows = {{12, "old", 0, "", "del"}, {0, "", 4294967295u, "new \"x\"", "add"}};
  c.gap = 65535;
  c.number = 7;
  c.collapsed = true;
  c.chips = {"a.png", ""};
  c.chip_operation = bridge::JsonValue{"true"};
  c.detail = "  exit: 0";
  c.status = "running";
  c.batch_glyph = "┌";
  c.color = "$ov-cyan";
  c.rev = "r1";
  c.count = 150;
  c.failures = 2;
  c.output_operation = bridge::JsonValue{"\"out\""};
  if (depth < 3) c.members = {every_content_field(depth + 1), bridge::Content{}};
  return c;
}

bridge::Snapshot every_field() {
  bridge::Snapshot s;
  s.generation = 9;
  s.title = "t";
  s.status = "running";
  s.lines = {"plain", ""};
  s.context_lines = {"c"};
  s.panel_title = "Models";
  s.panel_layout = "drawer";
  s.panel_format = "markdown";
  s.panel_loading = true;
  s.panel_lines = {"p"};
  s.panel_tones = {"ok"};
  s.items = {{"label", "/cmd", bridge::JsonValue{"[1,2]"}, "group"}, {}};
  s.prompt = bridge::Prompt{"permission", "p1", {"l"}, {{"Allow", "allow", "y", false}, {"No", "no", "n", true}}};
  s.form = bridge::Form{"f", "body\n", true, true, "status", 3};
  s.controls = {{"c", "", std::nullopt, ""}};
  s.restore = "restored";
  s.insert = "inserted";
  s.auto_send_insert = true;
  s.insert_kind = "voice";
  s.history = {"h1", "h2"};
  s.agent = "build";
  s.agent_color = "#a1b2c3";
  s.agent_page = "page";
  s.model = "m";
  s.provider = "p";
  s.effort = "high";
  s.context_usage = "u";
  s.context_note = "n";
  s.context_label = "5k/200k";
  s.context_used = 0;  // present and zero is not the same as absent
  s.context_window = 200000;
  s.context_marks = {1, 2};
  s.context_tiers = {3};
  s.attachments = 2;
  s.attachment_lines = {"a"};
  s.queue_lines = {"q"};
  s.update_notice = "update";
  s.nav = bridge::Nav{{{"Head", "", true}, {"Entry", "v", false}}, -1};
  s.sessions = {{"g", "id", "title", "ws", "state", "working", "sub", true}, {}};
  s.tabs = {{"g", "id", "title", "ws", "", "done", "", false}};
  s.archived_label = "Archived";
  s.sessions_truncated = true;
  s.breadcrumb = "a › b";
  s.details_panel.tab = "Files";
  s.details_panel.logs_header = {{"Session", "x"}};
  s.details_panel.session = {{"Model", "m"}};
  s.details_panel.files = {{"src/a", 1, 2, true, true, {"+a", "-b"}}, {}};
  s.details_panel.files_summary = "1 file";
  s.details_panel.mcp = {{"success", "fs", "12 tools"}};
  s.logs = {"log"};
  s.theme = "orvane-light";
  s.sessions_sidebar = true;
  s.details_sidebar = true;
  s.last_opened = "details";
  s.context_preview = true;
  s.voice_phase = "recording";
  s.voice_preview = "hello";
  s.voice_level = 0.25;
  s.completions = {"/model"};
  s.completion_query = "/mo";
  s.completion_prefix = "/mo";
  return s;
}

TEST(SnapshotJson, EveryFieldComesBackFromTheClientsDecoder) {
  const bridge::Snapshot state = every_field();
  const std::vector<bridge::Content> blocks = {every_content_field(0), bridge::Content{}};
  bridge::Snapshot expected = state;
  expected.schema = 2;
  expected.revision = 41;
  expected.blocks_from = 3;
  expected.blocks = blocks;
  EXPECT_EQ(decoded(snapshot_json(state, {2, 41, 3}, blocks)), expected);
}

TEST(SnapshotJson, AnEmptyStateIsShortAndCanBeSkipped) {
  const std::string line = snapshot_json({}, {1, 1, 0}, {});
  EXPECT_EQ(line, R"({"schema":1,"revision":1,"generation":0,"restore":"","insert":""})");
  EXPECT_TRUE(bridge::coalescable(line));
  EXPECT_EQ(decoded(line).schema, 1u);
}

TEST(SnapshotJson, ComposerTextOrAPatchIsNeverSkipped) {
  bridge::Snapshot state;
  state.restore = "x";
  EXPECT_FALSE(bridge::coalescable(snapshot_json(state, {1, 1, 0}, {})));
  EXPECT_FALSE(bridge::coalescable(snapshot_json({}, {2, 1, 0}, {})));
}

TEST(SnapshotJson, APromptKeepsItsRequiredKeysWhenEmpty) {
  bridge::Snapshot state;
  state.prompt = bridge::Prompt{};
  state.prompt->choices = {bridge::Choice{}};
  EXPECT_EQ(decoded(snapshot_json(state, {1, 1, 0}, {})).prompt, state.prompt);
}

TEST(SnapshotJson, ANonFiniteVoiceLevelIsLeftOut) {
  bridge::Snapshot state;
  state.voice_level = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(decoded(snapshot_json(state, {1, 1, 0}, {})).voice_level, 0.0);
  state.voice_level = std::numeric_limits<double>::infinity();
  EXPECT_EQ(decoded(snapshot_json(state, {1, 1, 0}, {})).voice_level, 0.0);
}

}  // namespace
}  // namespace orvane::demo

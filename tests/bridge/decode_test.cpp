#include "bridge/decode.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace orvane::bridge {

void PrintTo(const JsonValue& value, std::ostream* os) {
  *os << value.text;
}

namespace {

Snapshot decoded(const std::string& line) {
  auto result = decode_snapshot(line);
  if (const auto* error = std::get_if<DecodeError>(&result)) {
    ADD_FAILURE() << "refused: " << error->message << "\n  line: " << line.substr(0, 200);
    return {};
  }
  return std::get<Snapshot>(std::move(result));
}

std::string refusal(const std::string& line) {
  const auto result = decode_snapshot(line);
  const auto* error = std::get_if<DecodeError>(&result);
  return error != nullptr ? error->message : "(accepted)";
}

JsonValue json(std::string text) {
  return JsonValue{std::move(text)};
}

// One line with every key of every record, each with a distinct value.
constexpr std::string_view kFullSnapshot = R"json({
  "schema": 2, "revision": 41, "generation": 7, "title": "Fix the parser", "status": "working",
  "lines": ["plain one", "plain two"],
  "blocks": [
    {"id": "b1", "title": "Edit", "text": "**done**", "kind": "diff",
     "operation": {"type": "open", "args": [1, 2.50]}, "path": "src/a.cpp", "added": 3, "removed": 4,
     "diff_rows": [[0, "", 12, "new line", "add"], [13, "old", 0, "", "del"]],
     "gap": 2, "number": 9, "collapsed": true, "chips": ["a.png", "b.txt"],
     "chip_operation": ["chips", 1], "detail": "2 files", "status": "running", "batch_glyph": "┌",
     "color": "$ov-blue", "rev": "r5", "count": 11, "failures": 1,
     "members": [{"id": "m1", "kind": "tool", "members": [{"id": "m2", "members": [{"id": "m3", "gap": 5}]}]}],
     "output_operation": "expand"}
  ],
  "blocks_from": 5, "context_lines": ["ctx"], "panel_title": "Models", "panel_layout": "drawer",
  "panel_format": "markdown", "panel_loading": true, "panel_lines": ["# Head", "body"],
  "panel_tones": ["title", "dim"],
  "items": [{"label": "Open", "command": "/open", "operation": {"b": null, "a": true}, "group": "Files"}],
  "prompt": {"kind": "permission", "id": "p1", "lines": ["Run ls?"],
             "choices": [{"label": "Yes", "value": "yes", "key": "y", "disabled": false},
                         {"label": "No", "value": "no", "key": "n", "disabled": true}]},
  "form": {"id": "f1", "body": "text", "secret": true, "autosave": true, "status": "saved", "revision": 8},
  "controls": [{"label": "Stop"}],
  "restore": "restored", "insert": "inserted", "auto_send_insert": true, "insert_kind": "voice",
  "history": ["first", "second"], "agent": "coder", "agent_color": "#00ff00", "agent_page": "Logs",
  "model": "m-large", "provider": "acme", "effort": "high", "context_usage": "12%", "context_note": "note",
  "context_label": "12k/100k", "context_used": 12000, "context_window": 100000,
  "context_marks": [1, 2], "context_tiers": [3], "attachments": 2, "attachment_lines": ["a.png"],
  "queue_lines": ["queued"], "update_notice": "v2 available",
  "nav": {"items": [["Heading", "h", true], ["Entry", "e", false]], "selected": -3},
  "sessions": [{"group": "Today", "id": "s1", "title": "One", "workspace": "/w", "state": "idle",
                "status": "done", "sub": "3 msgs", "active": true}],
  "tabs": [{"id": "s2", "workspace": "/v"}],
  "archived_label": "Archived (4)", "sessions_truncated": true, "breadcrumb": "w > s1",
  "details_panel": {"tab": "Files", "logs_header": [["Log", "/tmp/log"]], "session": [["Model", "m"]],
                    "files": [{"path": "a.cpp", "added": 5, "removed": 6, "created": true, "open": true,
                               "diff": ["+x", "-y"]}],
                    "files_summary": "1 file", "mcp": [["success", "git", "ready"]]},
  "logs": ["log line"], "theme": "orvane-light", "sessions_sidebar": true, "details_sidebar": true,
  "last_opened": "details", "context_preview": true, "voice_phase": "recording", "voice_preview": "hel",
  "voice_level": 0.25, "completions": ["/help", "/history"], "completion_query": "/h",
  "completion_prefix": "/"
})json";

TEST(DecodeSnapshot, FullLineFillsEveryField) {
  const Snapshot s = decoded(std::string(kFullSnapshot));
  EXPECT_EQ(s.schema, 2u);
  EXPECT_EQ(s.revision, 41u);
  EXPECT_EQ(s.generation, 7u);
  EXPECT_EQ(s.title, "Fix the parser");
  EXPECT_EQ(s.status, "working");
  EXPECT_EQ(s.lines, (std::vector<std::string>{"plain one", "plain two"}));
  EXPECT_EQ(s.blocks_from, 5u);
  EXPECT_EQ(s.context_lines, std::vector<std::string>{"ctx"});
  EXPECT_EQ(s.panel_title, "Models");
  EXPECT_EQ(s.panel_layout, "drawer");
  EXPECT_EQ(s.panel_format, "markdown");
  EXPECT_TRUE(s.panel_loading);
  EXPECT_EQ(s.panel_lines, (std::vector<std::string>{"# Head", "body"}));
  EXPECT_EQ(s.panel_tones, (std::vector<std::string>{"title", "dim"}));
  EXPECT_EQ(s.items,
            (std::vector<Item>{{"Open", "/open", json(R"({"a":true,"b":null})"), "Files"}}));
  ASSERT_TRUE(s.prompt.has_value());
  EXPECT_EQ(s.prompt->kind, "permission");
  EXPECT_EQ(s.prompt->id, "p1");
  EXPECT_EQ(s.prompt->lines, std::vector<std::string>{"Run ls?"});
  EXPECT_EQ(s.prompt->choices,
            (std::vector<Choice>{{"Yes", "yes", "y", false}, {"No", "no", "n", true}}));
  EXPECT_EQ(s.form, (Form{"f1", "text", true, true, "saved", 8}));
  EXPECT_EQ(s.controls, (std::vector<Item>{{"Stop", "", std::nullopt, ""}}));
  EXPECT_EQ(s.restore, "restored");
  EXPECT_EQ(s.insert, "inserted");
  EXPECT_TRUE(s.auto_send_insert);
  EXPECT_EQ(s.insert_kind, "voice");
  EXPECT_EQ(s.history, (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(s.agent, "coder");
  EXPECT_EQ(s.agent_color, "#00ff00");
  EXPECT_EQ(s.agent_page, "Logs");
  EXPECT_EQ(s.model, "m-large");
  EXPECT_EQ(s.provider, "acme");
  EXPECT_EQ(s.effort, "high");
  EXPECT_EQ(s.context_usage, "12%");
  EXPECT_EQ(s.context_note, "note");
  EXPECT_EQ(s.context_label, "12k/100k");
  EXPECT_EQ(s.context_used, 12000u);
  EXPECT_EQ(s.context_window, 100000u);
  EXPECT_EQ(s.context_marks, (std::vector<std::uint64_t>{1, 2}));
  EXPECT_EQ(s.context_tiers, std::vector<std::uint64_t>{3});
  EXPECT_EQ(s.attachments, 2u);
  EXPECT_EQ(s.attachment_lines, std::vector<std::string>{"a.png"});
  EXPECT_EQ(s.queue_lines, std::vector<std::string>{"queued"});
  EXPECT_EQ(s.update_notice, "v2 available");
  EXPECT_EQ(s.nav, (Nav{{{"Heading", "h", true}, {"Entry", "e", false}}, -3}));
  EXPECT_EQ(s.sessions,
            (std::vector<Session>{{"Today", "s1", "One", "/w", "idle", "done", "3 msgs", true}}));
  EXPECT_EQ(s.tabs, (std::vector<Session>{{"", "s2", "", "/v", "", "", "", false}}));
  EXPECT_EQ(s.archived_label, "Archived (4)");
  EXPECT_TRUE(s.sessions_truncated);
  EXPECT_EQ(s.breadcrumb, "w > s1");
  EXPECT_EQ(s.details_panel.tab, "Files");
  EXPECT_EQ(s.details_panel.logs_header, (std::vector<LabelValue>{{"Log", "/tmp/log"}}));
  EXPECT_EQ(s.details_panel.session, (std::vector<LabelValue>{{"Model", "m"}}));
  EXPECT_EQ(
      s.details_panel.files,
      (std::vector<FileChange>{{"a.cpp", 5, 6, true, true, std::vector<std::string>{"+x", "-y"}}}));
  EXPECT_EQ(s.details_panel.files_summary, "1 file");
  EXPECT_EQ(s.details_panel.mcp, (std::vector<McpRow>{{"success", "git", "ready"}}));
  EXPECT_EQ(s.logs, std::vector<std::string>{"log line"});
  EXPECT_EQ(s.theme, "orvane-light");
  EXPECT_TRUE(s.sessions_sidebar);
  EXPECT_TRUE(s.details_sidebar);
  EXPECT_EQ(s.last_opened, "details");
  EXPECT_TRUE(s.context_preview);
  EXPECT_EQ(s.voice_phase, "recording");
  EXPECT_EQ(s.voice_preview, "hel");
  EXPECT_EQ(s.voice_level, 0.25);
  EXPECT_EQ(s.completions, (std::vector<std::string>{"/help", "/history"}));
  EXPECT_EQ(s.completion_query, "/h");
  EXPECT_EQ(s.completion_prefix, "/");

  ASSERT_EQ(s.blocks.size(), 1u);
  const Content& b = s.blocks[0];
  EXPECT_EQ(b.id, "b1");
  EXPECT_EQ(b.title, "Edit");
  EXPECT_EQ(b.text, "**done**");
  EXPECT_EQ(b.kind, "diff");
  EXPECT_EQ(b.operation, json(R"({"args":[1,2.50],"type":"open"})"));
  EXPECT_EQ(b.operation->text, R"({"args":[1,2.50],"type":"open"})");
  EXPECT_EQ(b.path, "src/a.cpp");
  EXPECT_EQ(b.added, 3u);
  EXPECT_EQ(b.removed, 4u);
  EXPECT_EQ(b.diff_rows,
            (std::vector<DiffRow>{{0, "", 12, "new line", "add"}, {13, "old", 0, "", "del"}}));
  EXPECT_EQ(b.gap, 2u);
  EXPECT_EQ(b.number, 9u);
  EXPECT_TRUE(b.collapsed);
  EXPECT_EQ(b.chips, (std::vector<std::string>{"a.png", "b.txt"}));
  EXPECT_EQ(b.chip_operation, json(R"(["chips",1])"));
  EXPECT_EQ(b.detail, "2 files");
  EXPECT_EQ(b.status, "running");
  EXPECT_EQ(b.batch_glyph, "┌");
  EXPECT_EQ(b.color, "$ov-blue");
  EXPECT_EQ(b.rev, "r5");
  EXPECT_EQ(b.count, 11u);
  EXPECT_EQ(b.failures, 1u);
  EXPECT_EQ(b.output_operation, json(R"("expand")"));
  // Members decode like top-level blocks, however deep.
  ASSERT_EQ(b.members.size(), 1u);
  EXPECT_EQ(b.members[0].kind, "tool");
  ASSERT_EQ(b.members[0].members.size(), 1u);
  ASSERT_EQ(b.members[0].members[0].members.size(), 1u);
  Content third;
  third.id = "m3";
  third.gap = 5;
  EXPECT_EQ(b.members[0].members[0].members[0], third);
}

TEST(DecodeSnapshot, AbsentKeysTakeDefaults) {
  Snapshot expected;
  expected.schema = 1;
  EXPECT_EQ(decoded(R"({"schema":1})"), expected);
  EXPECT_EQ(decoded("{}"), Snapshot{});

  const Snapshot s = decoded(
      R"({"items":[{}],"form":{},"nav":{},"sessions":[{}],"blocks":[{}],"details_panel":{"files":[{}]}})");
  EXPECT_EQ(s.items, std::vector<Item>(1));
  EXPECT_EQ(s.form, Form{});
  EXPECT_EQ(s.nav, Nav{});
  EXPECT_EQ(s.sessions, std::vector<Session>(1));
  EXPECT_EQ(s.blocks, std::vector<Content>(1));
  EXPECT_EQ(s.details_panel.files, std::vector<FileChange>(1));
  EXPECT_FALSE(s.blocks[0].operation.has_value());
  EXPECT_EQ(s.blocks[0].gap, 0u);
  EXPECT_FALSE(s.prompt.has_value());
  EXPECT_FALSE(s.context_used.has_value());
}

TEST(DecodeSnapshot, NullMeansNoneWhereTheTypeAllowsIt) {
  const Snapshot s = decoded(
      R"({"prompt":null,"form":null,"nav":null,"context_used":null,"context_window":null,
          "items":[{"operation":null}],"blocks":[{"operation":null,"chip_operation":null,"output_operation":null}]})");
  EXPECT_FALSE(s.prompt || s.form || s.nav || s.context_used || s.context_window);
  EXPECT_FALSE(s.items[0].operation.has_value());
  EXPECT_FALSE(s.blocks[0].operation || s.blocks[0].chip_operation || s.blocks[0].output_operation);
}

TEST(DecodeSnapshot, ValuesAreStoredExactly) {
  const Snapshot s =
      decoded(R"({"title":"  a\u00e9\n\t ","voice_level":1,"sch\u0065ma":2,"model":""})");
  EXPECT_EQ(s.title, "  aé\n\t ");
  EXPECT_EQ(s.voice_level, 1.0);
  EXPECT_EQ(s.schema, 2u);  // keys compare after unescaping

  const Snapshot limits = decoded(
      R"({"revision":18446744073709551615,"schema":4294967295,"blocks":[{"gap":65535,"number":4294967295}],
          "nav":{"selected":-9223372036854775808},"voice_level":-1.5e-3})");
  EXPECT_EQ(limits.revision, 18446744073709551615u);
  EXPECT_EQ(limits.schema, 4294967295u);
  EXPECT_EQ(limits.blocks[0].gap, 65535u);
  EXPECT_EQ(limits.blocks[0].number, 4294967295u);
  EXPECT_EQ(limits.nav->selected, INT64_MIN);
  EXPECT_EQ(limits.voice_level, -1.5e-3);
}

TEST(DecodeSnapshot, StringsDecodeAlikeWhateverTheirLength) {
  // Short strings and long ones with escapes take different ways through the
  // decoder; both must give the same bytes.
  const std::string escaped = R"(a\"b\\c\/d\b\f\n\r\t\u00e9\ud83d\ude00é )";
  const std::string plain = "a\"b\\c/d\b\f\n\r\té😀é ";
  for (const std::size_t repeats : {1, 40}) {
    std::string line = R"({"title":")";
    std::string expected;
    for (std::size_t i = 0; i < repeats; ++i) {
      line += escaped;
      expected += plain;
    }
    EXPECT_EQ(decoded(line + R"("})").title, expected) << repeats;
  }
  const std::string long_text(300, 'x');
  EXPECT_EQ(refusal(R"({"title":")" + long_text + R"(\q"})"),
            R"(title: invalid string ")" + std::string(39, 'x') + "…");
  EXPECT_EQ(refusal(R"({"title":")" + long_text + R"(\ud800"})"),
            R"(title: invalid string ")" + std::string(39, 'x') + "…");
}

TEST(DecodeSnapshot, LineParsedInPlaceIgnoresWhatFollowsItInItsBuffer) {
  // A line with spare capacity is parsed where it lies; the bytes after its
  // end are whatever the buffer held before.
  std::string line = R"({"title":"one","lines":["a"]})";
  const std::size_t size = line.size();
  line += R"(,"title":"two"}]]]}"\)";
  line.append(kLinePadding, '"');
  line.resize(size);
  ASSERT_GE(line.capacity(), size + kLinePadding);
  const Snapshot s = decoded(line);
  EXPECT_EQ(s.title, "one");
  EXPECT_EQ(s.lines, std::vector<std::string>{"a"});
}

TEST(DecodeSnapshot, UnknownKeysAreSkippedAtAnyDepth) {
  const Snapshot s = decoded(
      R"({"future":{"a":[1,{"b":null}],"c":"x"},"schema":1,"blocks":[{"id":"a","new":[[[]]],
          "members":[{"id":"m","extra":true,"members":[{"more":-1.5e9}]}]}],
          "details_panel":{"tab":"MCP","later":{}},"prompt":{"kind":"k","id":"i","lines":[],"choices":[
          {"label":"l","value":"v","key":"k","disabled":false,"hint":"h"}],"z":0}})");
  EXPECT_EQ(s.schema, 1u);
  EXPECT_EQ(s.blocks[0].id, "a");
  EXPECT_EQ(s.blocks[0].members[0].id, "m");
  EXPECT_EQ(s.blocks[0].members[0].members.size(), 1u);
  EXPECT_EQ(s.details_panel.tab, "MCP");
  EXPECT_EQ(s.prompt->choices.size(), 1u);
}

TEST(DecodeSnapshot, FreeValuesAreKeptInCanonicalForm) {
  const Snapshot s = decoded(
      R"({"items":[{"operation":{ "b" : [1.0, {"y":null,"x":"\u00e9\n"}], "a" : 100000000000000000000000 }}]})");
  EXPECT_EQ(s.items[0].operation->text,
            R"({"a":100000000000000000000000,"b":[1.0,{"x":"é\n","y":null}]})");
}

struct RefusalCase {
  std::string line;
  std::string message;
};

TEST(DecodeSnapshot, InvalidLinesAreRefusedSayingWhereAndWhat) {
  const RefusalCase cases[] = {
      // Types.
      {R"({"title":null})", "title: expected a string, found null"},
      {R"({"title":7})", "title: expected a string, found 7"},
      {R"({"lines":null})", "lines: expected an array, found null"},
      {R"({"lines":{}})", "lines: expected an array, found an object"},
      {R"({"lines":["a",2]})", "lines[1]: expected a string, found 2"},
      {R"({"panel_loading":1})", "panel_loading: expected true or false, found 1"},
      {R"({"panel_loading":null})", "panel_loading: expected true or false, found null"},
      {R"({"details_panel":null})", "details_panel: expected an object, found null"},
      {R"({"prompt":[]})", "prompt: expected an object, found an array"},
      {R"({"items":[["a","b"]]})", "items[0]: expected an object, found an array"},
      {R"({"blocks":[{"members":{}}]})", "blocks[0].members: expected an array, found an object"},
      {R"({"voice_level":"1"})", R"(voice_level: expected a number, found "1")"},
      {R"({"voice_level":null})", "voice_level: expected a number, found null"},
      {R"({"context_used":"12"})",
       R"(context_used: expected an integer in 0..18446744073709551615, found "12")"},
      // Integer widths, signs, fractions and exponents.
      {R"({"blocks":[{},{},{},{"gap":70000}]})",
       "blocks[3].gap: expected an integer in 0..65535, found 70000"},
      {R"({"schema":-1})", "schema: expected an integer in 0..4294967295, found -1"},
      {R"({"schema":4294967296})",
       "schema: expected an integer in 0..4294967295, found 4294967296"},
      {R"({"revision":1.5})",
       "revision: expected an integer in 0..18446744073709551615, found 1.5"},
      {R"({"revision":1.0})",
       "revision: expected an integer in 0..18446744073709551615, found 1.0"},
      {R"({"revision":1e3})",
       "revision: expected an integer in 0..18446744073709551615, found 1e3"},
      {R"({"revision":18446744073709551616})",
       "revision: expected an integer in 0..18446744073709551615, found 18446744073709551616"},
      {R"({"revision":01})", "revision: expected an integer in 0..18446744073709551615, found 01"},
      {R"({"blocks":[{"number":4294967296}]})",
       "blocks[0].number: expected an integer in 0..4294967295, found 4294967296"},
      {R"({"nav":{"selected":9223372036854775808}})",
       "nav.selected: expected an integer in -9223372036854775808..9223372036854775807, found "
       "9223372036854775808"},
      {R"({"nav":{"selected":-1.0}})",
       "nav.selected: expected an integer in -9223372036854775808..9223372036854775807, found "
       "-1.0"},
      {R"({"context_marks":[1,-2]})",
       "context_marks[1]: expected an integer in 0..18446744073709551615, found -2"},
      // Fixed-length rows.
      {R"({"blocks":[{"diff_rows":[[1,"a",2,"b"]]}]})",
       "blocks[0].diff_rows[0]: expected an array of 5 elements, found 4"},
      {R"({"blocks":[{"diff_rows":[[1,"a",2,"b","add","x"]]}]})",
       "blocks[0].diff_rows[0]: expected an array of 5 elements, found 6"},
      {R"({"blocks":[{"diff_rows":[[1,"a",-2,"b","add"]]}]})",
       "blocks[0].diff_rows[0][2]: expected an integer in 0..4294967295, found -2"},
      {R"({"blocks":[{"diff_rows":[{}]}]})",
       "blocks[0].diff_rows[0]: expected an array of 5 elements, found an object"},
      {R"({"nav":{"items":[["a","b","yes"]]}})",
       R"(nav.items[0][2]: expected true or false, found "yes")"},
      {R"({"details_panel":{"mcp":[["a","b"]]}})",
       "details_panel.mcp[0]: expected an array of 3 elements, found 2"},
      {R"({"details_panel":{"session":[["a",null]]}})",
       "details_panel.session[0][1]: expected a string, found null"},
      {R"({"details_panel":{"files":[{"diff":"x"}]}})",
       R"(details_panel.files[0].diff: expected an array, found "x")"},
      // Required keys of prompts and choices.
      {R"({"prompt":{"kind":"question","id":"q","lines":[]}})", R"(prompt: missing key "choices")"},
      {R"({"prompt":{}})", R"(prompt: missing key "kind")"},
      {R"({"prompt":{"kind":"q","id":"q","lines":[],"choices":[{"label":"Yes","value":"y","key":"y"}]}})",
       R"(prompt.choices[0]: missing key "disabled")"},
      {R"({"prompt":{"kind":"q","id":"q","lines":[],"choices":[{"label":"Y","value":"y","key":"y","disabled":null}]}})",
       "prompt.choices[0].disabled: expected true or false, found null"},
      // Repeated keys, known or not.
      {R"({"schema":1,"schema":1})", R"(duplicate key "schema")"},
      {R"({"blocks":[{"id":"a","id":"b"}]})", R"(blocks[0]: duplicate key "id")"},
      {R"({"x":1,"x":2})", R"(duplicate key "x")"},
      {R"({"x":1,"\u0078":2})", R"(duplicate key "x")"},
      {R"({"items":[{"operation":{"a":1,"a":2}}]})",
       R"(items[0].operation: duplicate key "a" at offset 23)"},
      // Malformed free and unknown values.
      {R"({"items":[{"operation":[1,2}]}]})",
       "items[0].operation: expected ',' or ']' at offset 27"},
      {R"({"items":[{"operation":01}]})", "items[0].operation: invalid number at offset 23"},
      {R"({"items":[{"operation":tru}]})",
       "items[0].operation: unexpected character 't' at offset 23"},
      {R"({"items":[{"operation":"\ud800"}]})",
       "items[0].operation: lone surrogate in \\u escape at offset 30"},
      {R"({"x":[1,,2],"schema":1})", "x: unexpected character ',' at offset 8"},
      {R"({"x":{"a" 1}})",
       "x: invalid JSON at offset 10: The JSON document has an improper structure: missing or "
       "superfluous commas, braces, missing keys, etc."},
      // Bridge text in messages cannot reach the terminal as controls.
      {"{\"\\u001b[31m\":[1,,]}", "\\x1b[31m: unexpected character ',' at offset 17"},
      {"{\"\\u009b31m\":[1,,]}", "\\u009b31m: unexpected character ',' at offset 16"},
      {R"({"title":"\ud800"})", R"(title: invalid string "\ud800")"},
      {"{\"title\":\"\xe2\x80\x8f\x1b\"}",
       "invalid JSON: Within strings, some characters must be escaped, we found unescaped "
       "characters"},
      // Framing of the line.
      {"[]", "expected an object, found an array"},
      {"1", "expected an object, found a scalar"},
      {"", "invalid JSON: Empty: no JSON found"},
      {R"({"schema":1)",
       "invalid JSON: JSON document ended early in the middle of an object or array."},
      {R"({"schema":1}})", "unexpected text after the object at offset 12"},
      {R"({"schema":1,})",
       "invalid JSON at offset 12: The JSON document has an improper structure: missing or "
       "superfluous commas, braces, missing keys, etc."},
      {"{\"title\":\"\xff\"}", "invalid JSON: The input is not valid UTF-8"},
  };
  for (const auto& c : cases) EXPECT_EQ(refusal(c.line), c.message) << c.line;
}

std::string nested_members(std::size_t depth) {
  std::string line = R"({"blocks":[)";
  for (std::size_t i = 0; i < depth; ++i) line += R"({"members":[)";
  line += "{}";
  for (std::size_t i = 0; i < depth; ++i) line += "]}";
  return line + "]}";
}

TEST(DecodeSnapshot, DeepNestingIsRefusedNotACrash) {
  const std::string deep(100'000, '[');
  const std::string deep_end(100'000, ']');
  // The operation starts at offset 23 on level 4, so its 1022nd array, at
  // offset 23 + 1021, would be level 1025.
  EXPECT_EQ(
      refusal(R"({"items":[{"operation":)" + deep + deep_end + "}]}"),
      "items[0].operation: nested deeper than 1024 levels at offset " + std::to_string(23 + 1021));
  EXPECT_EQ(refusal(R"({"x":)" + deep + deep_end + "}"),
            "x: nested deeper than 1024 levels at offset " + std::to_string(5 + 1023));
  EXPECT_EQ(refusal(R"({"x":)" + deep),
            "invalid JSON: JSON document ended early in the middle of an object or array.");

  // The whole line counts: the root object is level 1.
  EXPECT_EQ(refusal(R"({"x":)" + std::string(1023, '[') + std::string(1023, ']') + "}"),
            "(accepted)");
  EXPECT_EQ(refusal(R"({"x":)" + std::string(1024, '[') + std::string(1024, ']') + "}"),
            "x: nested deeper than 1024 levels at offset 1028");

  // Each level of members is an array and an object: 511 levels fit.
  EXPECT_EQ(refusal(nested_members(510)), "(accepted)");
  const std::string too_deep = refusal(nested_members(100'000));
  EXPECT_TRUE(too_deep.starts_with("blocks[0].members[0].members[0]")) << too_deep;
  EXPECT_TRUE(too_deep.ends_with(".members[0]: nested deeper than 1024 levels")) << too_deep;
  EXPECT_LT(too_deep.size(), 250u);
}

}  // namespace
}  // namespace orvane::bridge

#include "app/intake.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "bridge/coalesce.hpp"
#include "bridge/patch.hpp"
#include "render/animating.hpp"
#include "support/recording_outbox.hpp"

namespace orvane::app {
namespace {

using std::chrono::milliseconds;

const Clock::time_point kStart{};

// A JSON string literal; enough escaping for the texts below.
std::string json_string(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// A complete snapshot line with the given fields after `"schema":1`.
std::string snap(std::string_view fields) {
  return fields.empty() ? R"({"schema":1})" : R"({"schema":1,)" + std::string(fields) + "}";
}

// The view state a line may change, one field per line, so a failing comparison shows
// which field moved.
std::string view(const LoopState& s) {
  std::ostringstream out;
  out << "composer=" << json_string(s.composer.text) << " cursor=" << s.composer.cursor
      << " sent=" << s.composer.sent.size() << " recall=" << s.composer.recall << "\n"
      << "form=" << json_string(s.form_editor.text) << " key=" << s.form_key
      << " edits=" << s.form_edits << " last_edit=" << s.form_last_edit.has_value() << "\n"
      << "answer=" << json_string(s.answer.text) << " key=" << s.prompt_key << "\n"
      << "offset=" << s.transcript_offset << " follow=" << s.follow
      << " target_mode=" << s.target_mode << "\n"
      << "pages=";
  for (const PageEntry& e : s.page_history) {
    out << e.page << "/" << e.transcript_offset << "/" << e.follow << "/" << e.details_offset
        << " ";
  }
  out << "\n"
      << "filter=" << s.panel_filter << " selection=" << s.selection << " scroll=" << s.panel_scroll
      << " text_focus=" << s.panel_text_focus << "\n"
      << "details=" << s.details_offset << " file=" << s.selected_file << " logs=" << s.logs_view
      << "\n"
      << "completions=";
  for (const CompletionEntry& e : s.completion_cache) out << e.key << " ";
  out << "\n"
      << "voice_anchor=" << (s.voice_anchor ? std::to_string(*s.voice_anchor) : "none") << "\n"
      << "seen=" << s.snapshot_seen << " animating=" << s.animating
      << " pending=" << s.pending_snapshot_start.has_value() << "\n";
  return out.str();
}

std::optional<std::string> message(const Intake& result) {
  if (!result.error) return std::nullopt;
  return result.error->message;
}

std::vector<std::string> block_ids(const bridge::Snapshot& snapshot) {
  std::vector<std::string> ids;
  for (const bridge::Content& block : snapshot.blocks) ids.push_back(block.id);
  return ids;
}

// Parameterised cases print as their name.
template <class Case>
requires requires(const Case& c) {
  c.name;
}
void PrintTo(const Case& c, std::ostream* out) {
  *out << c.name;
}

class IntakeTest : public testing::Test {
 protected:
  LoopState state{kStart};
  input::testing::RecordingOutbox outbox;
  Clock::time_point next_receipt = kStart;

  // The lines arrive together, one millisecond apart.
  Intake feed(std::vector<std::string> lines, bool closed = false) {
    Channel::Drained drained;
    for (std::string& line : lines) {
      next_receipt += milliseconds(1);
      drained.lines.push_back({std::move(line), next_receipt});
    }
    drained.closed = closed;
    return intake(state, drained, outbox);
  }

  void apply(std::string line) {
    const Intake result = feed({std::move(line)});
    ASSERT_FALSE(result.error) << result.error->message;
    ASSERT_TRUE(result.accepted);
  }
};

// ---------------------------------------------------------------------------------------
// Coalescing

struct CoalesceCase {
  std::string_view line;
  bool coalescable;
};

TEST(Coalescable, NeedsAllThreeCompactSubstrings) {
  const CoalesceCase cases[] = {
      {R"({"schema":1,"restore":"","insert":""})", true},
      {R"({"insert":"","title":"x","restore":"","schema":1})", true},
      {R"({"schema":1,"restore":"","insert":"" broken)", true},
      {R"({"schema":1,"restore":"","insert":"hi"})", false},
      {R"({"schema":1,"restore":"draft","insert":""})", false},
      {R"({"schema":1,"insert":""})", false},
      {R"({"schema":1,"restore":""})", false},
      {R"({"schema":2,"restore":"","insert":"","blocks_from":0})", false},
      {R"({"schema": 1,"restore":"","insert":""})", false},
      {R"({"schema":1,"restore": "","insert":""})", false},
      {R"({"schema":12,"restore":"","insert":""})", false},
      {R"({"schema":1.0,"restore":"","insert":""})", false},
      {R"({"restore":"","insert":"","schema":1})", true},
      {"", false},
  };
  for (const CoalesceCase& c : cases) {
    EXPECT_EQ(bridge::coalescable(c.line), c.coalescable) << c.line;
  }
}

// The keys are searched for from both ends of a line in growing windows; none may be
// missed wherever it sits, window edges included.
TEST(Coalescable, FindsTheKeysAnywhereInALongLine) {
  const std::string restore = R"("restore":"")";
  const std::string filler(50'000, 'x');
  std::vector<std::size_t> positions = {0, filler.size() / 2, filler.size()};
  for (std::size_t edge :
       {std::size_t{4096}, std::size_t{12288}, filler.size() - 4096, filler.size() - 12288}) {
    for (std::size_t p = edge - 16; p <= edge + 16; ++p) positions.push_back(p);
  }
  const std::string head = R"({"schema":1,"insert":"",)";
  for (const std::size_t p : positions) {
    const std::string line = head + filler.substr(0, p) + restore + filler.substr(p) + "}";
    EXPECT_TRUE(bridge::coalescable(line)) << "restore key at " << p;
  }
  EXPECT_FALSE(bridge::coalescable(head + filler + "}"));
  EXPECT_FALSE(bridge::coalescable(head + filler + restore.substr(0, restore.size() - 1)));
}

struct BatchCase {
  std::string name;
  std::vector<std::string> lines;
  // Exact message, or "*" for any decoding error.
  std::optional<std::string> error;
  std::string title;
  std::string composer;
};

class Batch : public IntakeTest, public testing::WithParamInterface<BatchCase> {};

TEST_P(Batch, DecodesOnlyWhatALaterLineDoesNotSupersede) {
  const BatchCase& c = GetParam();
  const Intake result = feed(c.lines);
  if (!c.error) {
    ASSERT_FALSE(result.error) << result.error->message;
  } else if (*c.error == "*") {
    EXPECT_TRUE(result.error);
  } else {
    EXPECT_EQ(message(result), c.error);
  }
  EXPECT_EQ(state.snapshot.title, c.title);
  EXPECT_EQ(state.composer.text, c.composer);
}

// Parses only as far as the coalescing test reads: a decoder would refuse it.
const std::string kBrokenFull = R"({"schema":1,"restore":"","insert":"","title":)";
const std::string kThird = R"({"schema":1,"restore":"","insert":"","title":"third"})";

INSTANTIATE_TEST_SUITE_P(
    Intake, Batch,
    testing::Values(
        BatchCase{"only_the_last_full_snapshot_is_decoded",
                  {kBrokenFull, kBrokenFull, kThird},
                  std::nullopt,
                  "third",
                  ""},
        BatchCase{
            "a_line_with_an_insert_is_decoded",
            {kBrokenFull, R"({"schema":1,"restore":"","insert":"hi","title":"second"})", kThird},
            std::nullopt,
            "third",
            "hi"},
        BatchCase{"a_line_with_a_restore_is_decoded",
                  {R"({"schema":1,"restore":"draft","insert":"","title":"first"})", kThird},
                  std::nullopt,
                  "third",
                  "draft"},
        BatchCase{"a_single_line_is_always_decoded", {kBrokenFull}, "*", "", ""},
        BatchCase{"the_last_line_is_always_decoded", {kThird, kBrokenFull}, "*", "", ""},
        BatchCase{"a_spaced_schema_is_decoded",
                  {R"({"schema": 1,"restore":"","insert":"","title":)", kThird},
                  "*",
                  "",
                  ""},
        BatchCase{"a_longer_schema_number_is_decoded",
                  {R"({"schema":12,"restore":"","insert":"","title":"x"})", kThird},
                  "unsupported bridge schema",
                  "",
                  ""}),
    [](const testing::TestParamInfo<BatchCase>& info) { return info.param.name; });

TEST_F(IntakeTest, FullSnapshotBeforeAPatchIsDroppedAndThePatchAppliesToTheOldTranscript) {
  apply(R"({"schema":1,"blocks":[{"id":"a"},{"id":"b"}]})");
  const Intake result = feed({R"({"schema":1,"restore":"","insert":"","blocks":[{"id":"x"}]})",
                              R"({"schema":2,"blocks_from":2,"blocks":[{"id":"c"}]})"});
  ASSERT_FALSE(result.error) << result.error->message;
  EXPECT_EQ(block_ids(state.snapshot), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(IntakeTest, PendingSnapshotStartIsTheReceiptOfTheFirstDecodedLine) {
  ASSERT_FALSE(feed({kThird, kThird, kThird}).error);
  EXPECT_EQ(state.pending_snapshot_start, kStart + milliseconds(3));

  ASSERT_FALSE(feed({kThird}).error);
  EXPECT_EQ(state.pending_snapshot_start, kStart + milliseconds(3)) << "a frame clears it";
}

TEST_F(IntakeTest, EndOfInputIsReportedOnceNoLineIsLeft) {
  const Intake last = feed({kThird}, true);
  EXPECT_FALSE(last.ended);
  EXPECT_TRUE(last.accepted);
  EXPECT_EQ(state.snapshot.title, "third");

  const Intake after = feed({}, true);
  EXPECT_TRUE(after.ended);
  EXPECT_FALSE(after.accepted);

  EXPECT_FALSE(feed({}).ended) << "an empty drain of an open channel is no end";
}

// ---------------------------------------------------------------------------------------
// Checks and storing

TEST_F(IntakeTest, RevisionLowerThanCurrentIsDroppedEqualIsApplied) {
  struct Case {
    std::uint64_t next;
    bool applied;
  };
  for (const Case c : {Case{7, false}, Case{9, true}, Case{10, true}}) {
    LoopState fresh{kStart};
    std::swap(state, fresh);
    apply(snap(R"("revision":9,"title":"nine")"));
    state.redraw = false;

    const Intake result =
        feed({snap(R"("revision":)" + std::to_string(c.next) + R"(,"title":"next")")});
    ASSERT_FALSE(result.error);
    EXPECT_EQ(result.accepted, c.applied) << c.next;
    EXPECT_EQ(state.redraw, c.applied) << c.next;
    EXPECT_EQ(state.snapshot.title, c.applied ? "next" : "nine") << c.next;
  }
}

TEST_F(IntakeTest, SchemaOtherThanOneOrTwoIsRefused) {
  for (const char* line : {R"({"schema":0})", R"({"schema":3})", R"({"title":"no schema"})"}) {
    const Intake result = feed({line});
    EXPECT_EQ(message(result), "unsupported bridge schema") << line;
    EXPECT_FALSE(result.accepted);
  }
  EXPECT_FALSE(state.snapshot_seen);
}

TEST_F(IntakeTest, DecodingErrorIsFatal) {
  const Intake result = feed({R"({"schema":1,"title":null})"});
  ASSERT_TRUE(result.error);
  EXPECT_FALSE(result.error->message.empty());
  EXPECT_EQ(state.snapshot, bridge::Snapshot{});
}

TEST_F(IntakeTest, StoringSetsTheFlagsOfTheLoop) {
  state.redraw = false;
  apply(snap(R"("status":"running")"));
  EXPECT_TRUE(state.snapshot_seen);
  EXPECT_TRUE(state.redraw);
  EXPECT_TRUE(state.animating);

  apply(snap(R"("status":"idle")"));
  EXPECT_FALSE(state.animating);
}

// A patch keeps what is known about the spinners of the kept blocks; the flag must still
// match a check of the whole snapshot after every line.
TEST_F(IntakeTest, AnimatingFollowsSpinnersThroughPatches) {
  const std::string spin = R"({"id":"s","text":"\uE000 working"})";
  const std::string group = R"({"id":"g","kind":"tool_group","status":"running"})";
  const std::string plain = R"({"id":"p"})";
  struct Step {
    std::string line;
    bool animating;
  };
  const Step steps[] = {
      {R"({"schema":1,"status":"idle","blocks":[)" + spin + "," + plain + "]}", true},
      {R"({"schema":2,"blocks_from":1,"blocks":[)" + plain + "]}", true},
      {R"({"schema":2,"blocks_from":0,"blocks":[)" + plain + "," + plain + "]}", false},
      {R"({"schema":2,"blocks_from":2,"blocks":[)" + group + "]}", true},
      {R"({"schema":2,"blocks_from":2,"blocks":[]})", false},
      {R"({"schema":2,"blocks_from":1,"blocks":[)" + plain + "," + spin + "]}", true},
      {R"({"schema":2,"blocks_from":3,"blocks":[)" + plain + "]}", true},
      {R"({"schema":2,"blocks_from":1,"blocks":[]})", false},
      {R"({"schema":1,"status":"idle","blocks":[)" + plain + "," + spin + "]}", true},
      {R"({"schema":1,"status":"idle","blocks":[]})", false},
  };
  for (const Step& step : steps) {
    apply(step.line);
    EXPECT_EQ(state.animating, step.animating) << step.line;
    EXPECT_EQ(state.animating, render::animating(state.snapshot)) << step.line;
  }
}

TEST_F(IntakeTest, LastOpenedStaysTheClientsOwn) {
  state.snapshot.last_opened = "sessions";
  apply(snap(R"("last_opened":"details")"));
  EXPECT_EQ(state.snapshot.last_opened, "sessions");

  state.snapshot.last_opened = "";
  apply(snap(R"("last_opened":"details")"));
  EXPECT_EQ(state.snapshot.last_opened, "");
}

// ---------------------------------------------------------------------------------------
// Transcript patches

TEST_F(IntakeTest, PatchesAppendAndReplace) {
  apply(R"({"schema":1,"revision":1,"blocks":[{"id":"a"},{"id":"b"}]})");
  apply(R"({"schema":2,"revision":2,"blocks_from":2,"blocks":[{"id":"c"}]})");
  EXPECT_EQ(block_ids(state.snapshot), (std::vector<std::string>{"a", "b", "c"}));
  apply(R"({"schema":2,"revision":3,"blocks_from":1,"blocks":[{"id":"x"}]})");
  EXPECT_EQ(block_ids(state.snapshot), (std::vector<std::string>{"a", "x"}));
  apply(R"({"schema":2,"revision":4,"blocks_from":0,"blocks":[{"id":"y"}],"agent_page":"p"})");
  EXPECT_EQ(block_ids(state.snapshot), (std::vector<std::string>{"y"}));
}

// Drawing trusts this count not to compare the blocks again, so it may never claim a
// block that a line replaced.
TEST_F(IntakeTest, BlocksAsDrawnKeepOnlyWhatPatchesKeep) {
  apply(R"({"schema":1,"revision":1,"blocks":[{"id":"a"},{"id":"b"},{"id":"c"}]})");
  EXPECT_EQ(state.blocks_as_drawn, 0u);
  state.blocks_as_drawn = 3;  // as after a frame
  apply(R"({"schema":2,"revision":2,"blocks_from":3,"blocks":[{"id":"d"}]})");
  EXPECT_EQ(state.blocks_as_drawn, 3u);
  apply(R"({"schema":2,"revision":3,"blocks_from":1,"blocks":[{"id":"x"}]})");
  EXPECT_EQ(state.blocks_as_drawn, 1u);
  apply(R"({"schema":2,"revision":4,"blocks_from":2,"blocks":[{"id":"y"}]})");
  EXPECT_EQ(state.blocks_as_drawn, 1u);
  state.blocks_as_drawn = 3;
  apply(R"({"schema":1,"revision":5,"blocks":[{"id":"a"},{"id":"x"},{"id":"y"}]})");
  EXPECT_EQ(state.blocks_as_drawn, 0u);
}

struct RefusedCase {
  std::string name;
  std::string line;
  std::string error;
};

class Refused : public IntakeTest, public testing::WithParamInterface<RefusedCase> {};

// A line that every reconciliation step would act on; refused, it must change nothing.
TEST_P(Refused, ChangesNothing) {
  apply(snap(R"("revision":5,"generation":1,"agent_page":"main","theme":"dark",)"
             R"("blocks":[{"id":"a"},{"id":"b"},{"id":"c"}],"history":["old"],)"
             R"("prompt":{"kind":"question","id":"q1","lines":[],"choices":[]},)"
             R"("form":{"id":"f1","body":"form body"},"voice_phase":"recording",)"
             R"("details_panel":{"tab":"Session"},"details_sidebar":true,)"
             R"("completion_query":"/mo","completions":["/model"])"));
  state.composer.insert("draft");
  state.answer.insert("answer");
  state.transcript_offset = 12;
  state.follow = false;
  state.details_offset = 4;
  state.selected_file = 2;
  state.selection = 3;
  state.panel_filter = "filter";
  state.target_mode = true;
  state.page_history.push_back({"earlier", 1, true, 2});
  state.pending_snapshot_start.reset();
  const bridge::Snapshot before_snapshot = state.snapshot;
  const std::string before_view = view(state);

  const Intake result = feed({GetParam().line, snap(R"("revision":9,"title":"after")")});

  EXPECT_EQ(message(result), GetParam().error);
  EXPECT_FALSE(result.accepted);
  EXPECT_FALSE(result.theme_changed);
  EXPECT_EQ(state.snapshot, before_snapshot);
  EXPECT_EQ(view(state), before_view);
  EXPECT_TRUE(outbox.lines.empty());
}

// Changes every field a reconciliation step reads, and inserts with an automatic send.
const std::string kEverything =
    R"("revision":6,"generation":2,"agent_page":"sub","theme":"orvane-light",)"
    R"("panel_title":"Models","prompt":null,"form":{"id":"f2","body":"new"},)"
    R"("restore":"restored","insert":"go","auto_send_insert":true,)"
    R"("details_panel":{"tab":"Logs"},"details_sidebar":true,)"
    R"("completion_prefix":"/e","completions":["/effort"],"last_opened":"details")";

INSTANTIATE_TEST_SUITE_P(
    Intake, Refused,
    testing::Values(
        RefusedCase{"patch_past_the_end", R"({"schema":2,"blocks_from":4,)" + kEverything + "}",
                    std::string(bridge::kInvalidPatchOffset)},
        RefusedCase{"patch_across_the_generation",
                    R"({"schema":2,"blocks_from":3,)" + kEverything + "}",
                    std::string(bridge::kPatchCrossesSessionPage)},
        RefusedCase{
            "patch_across_the_page",
            R"({"schema":2,"revision":6,"blocks_from":3,"generation":1,"agent_page":"other"})",
            std::string(bridge::kPatchCrossesSessionPage)},
        RefusedCase{"unsupported_schema", R"({"schema":3,)" + kEverything + "}",
                    "unsupported bridge schema"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

TEST_F(IntakeTest, FirstLineMayNotPatchPastTheDefaultTranscript) {
  const Intake result = feed({R"({"schema":2,"blocks_from":1,"blocks":[{"id":"a"}]})"});
  EXPECT_EQ(message(result), "invalid transcript patch offset");
  EXPECT_EQ(state.snapshot, bridge::Snapshot{});
  EXPECT_FALSE(state.snapshot_seen);

  ASSERT_FALSE(feed({R"({"schema":2,"blocks_from":0,"blocks":[{"id":"a"}]})"}).error);
  EXPECT_EQ(block_ids(state.snapshot), std::vector<std::string>{"a"});
}

TEST_F(IntakeTest, PatchFromZeroMayCrossPageAndGeneration) {
  apply(
      R"({"schema":1,"generation":1,"agent_page":"A","blocks":[{"id":"a"},{"id":"b"},{"id":"c"}]})");
  const Intake crossing =
      feed({R"({"schema":2,"generation":1,"agent_page":"B","blocks_from":3,"blocks":[]})"});
  EXPECT_EQ(message(crossing), "transcript patch crosses session/page");

  apply(R"({"schema":2,"generation":2,"agent_page":"B","blocks_from":0,"blocks":[{"id":"x"}]})");
  EXPECT_EQ(block_ids(state.snapshot), std::vector<std::string>{"x"});
}

TEST_F(IntakeTest, FailingLineKeepsEarlierLinesOfTheBatchAndDropsLaterOnes) {
  const Intake result = feed({snap(R"("restore":"x","title":"first")"), R"({"schema":4})",
                              snap(R"("restore":"y","title":"third")")});
  EXPECT_EQ(message(result), "unsupported bridge schema");
  EXPECT_TRUE(result.accepted);
  EXPECT_EQ(state.snapshot.title, "first");
  EXPECT_EQ(state.composer.text, "x");
}

TEST_F(IntakeTest, FailedAutomaticSendChangesNothing) {
  apply(snap(R"("generation":3,"title":"before")"));
  state.composer.insert("draft ");
  const std::string before = view(state);
  outbox.failure = std::make_error_code(std::errc::broken_pipe);

  const Intake result =
      feed({snap(R"("generation":3,"insert":"go","auto_send_insert":true,"title":"after")")});

  EXPECT_EQ(message(result), "cannot write to the bridge: " +
                                 std::make_error_code(std::errc::broken_pipe).message());
  EXPECT_EQ(state.snapshot.title, "before");
  EXPECT_EQ(view(state), before);
}

// ---------------------------------------------------------------------------------------
// Reconciliation

TEST_F(IntakeTest, NewGenerationResetsComposerViewAndCompletions) {
  apply(
      snap(R"("generation":1,"history":["old"],"completion_query":"/m","completions":["/model"])"));
  state.composer.insert("draft");
  state.transcript_offset = 30;
  state.follow = false;
  state.details_offset = 5;
  state.target_mode = true;
  state.page_history.push_back({"A", 1, false, 1});

  apply(snap(R"("generation":2,"history":["new"])"));

  EXPECT_EQ(state.composer.text, "");
  EXPECT_TRUE(state.composer.sent.empty()) << "the new conversation has no history yet";
  EXPECT_TRUE(state.composer.undo_stack.empty());
  EXPECT_EQ(state.transcript_offset, 0u);
  EXPECT_TRUE(state.follow);
  EXPECT_EQ(state.details_offset, 0u);
  EXPECT_FALSE(state.target_mode);
  EXPECT_TRUE(state.page_history.empty());
  EXPECT_TRUE(state.completion_cache.empty());
}

TEST_F(IntakeTest, SameGenerationKeepsComposerAndView) {
  apply(snap(R"("generation":1)"));
  state.composer.insert("draft");
  state.transcript_offset = 30;
  state.follow = false;
  const std::string before = view(state);
  apply(snap(R"("generation":1,"title":"other")"));
  EXPECT_EQ(view(state), before);
}

struct PageCase {
  std::string name;
  std::vector<std::string> pages;  // the first is where the client starts
  std::size_t offset;
  bool follow;
  std::size_t details_offset;
  std::vector<std::string> history;
};

class Pages : public IntakeTest, public testing::WithParamInterface<PageCase> {};

TEST_P(Pages, ReturningRestoresWhereOneWasElseStartsAtTheTop) {
  const PageCase& c = GetParam();
  apply(snap(R"("agent_page":)" + json_string(c.pages[0])));
  state.page_history.clear();  // the client starts out on the first page
  for (std::size_t i = 1; i < c.pages.size(); ++i) {
    // Where the user is on the page they are about to leave.
    state.transcript_offset = 100 + i;
    state.follow = i % 2 == 1;
    state.details_offset = 200 + i;
    state.target_mode = true;
    apply(snap(R"("agent_page":)" + json_string(c.pages[i])));
    EXPECT_FALSE(state.target_mode);
  }
  EXPECT_EQ(state.transcript_offset, c.offset);
  EXPECT_EQ(state.follow, c.follow);
  EXPECT_EQ(state.details_offset, c.details_offset);
  std::vector<std::string> history;
  for (const PageEntry& e : state.page_history) history.push_back(e.page);
  EXPECT_EQ(history, c.history);
}

INSTANTIATE_TEST_SUITE_P(
    Intake, Pages,
    testing::Values(PageCase{"a_b_a", {"A", "B", "A"}, 101, true, 201, {}},
                    PageCase{"a_b_c_b", {"A", "B", "C", "B"}, 102, false, 202, {"A"}},
                    PageCase{"a_b_c", {"A", "B", "C"}, 0, false, 0, {"A", "B"}},
                    PageCase{"a_b_a_b", {"A", "B", "A", "B"}, 0, false, 0, {"A"}},
                    PageCase{"to_conversation_and_back", {"", "sub", ""}, 101, true, 201, {}},
                    PageCase{"nine_changes_keep_eight",
                             {"P0", "P1", "P2", "P3", "P4", "P5", "P6", "P7", "P8", "P9"},
                             0,
                             false,
                             0,
                             {"P1", "P2", "P3", "P4", "P5", "P6", "P7", "P8"}}),
    [](const testing::TestParamInfo<PageCase>& info) { return info.param.name; });

TEST_F(IntakeTest, ThemeChangeIsReportedOnlyForAnAcceptedChange) {
  apply(snap(R"("revision":2,"theme":"dark")"));
  EXPECT_FALSE(feed({snap(R"("revision":2,"theme":"dark")")}).theme_changed);
  EXPECT_FALSE(feed({snap(R"("revision":1,"theme":"orvane-light")")}).theme_changed)
      << "a stale line is dropped";
  EXPECT_TRUE(feed({snap(R"("revision":2,"theme":"orvane-light")")}).theme_changed);
  EXPECT_TRUE(feed({snap(R"("revision":3,"theme":"dark")"), snap(R"("revision":3,"theme":"dark")")})
                  .theme_changed)
      << "a change anywhere in the batch";
}

TEST_F(IntakeTest, NewPanelTitleResetsThePanel) {
  const auto set_panel = [&] {
    state.panel_scroll = 4;
    state.selection = 2;
    state.panel_text_focus = true;
    state.panel_filter = "mod";
  };
  apply(snap(R"("panel_title":"Models")"));
  set_panel();
  apply(snap(R"("panel_title":"Models","panel_lines":["x"])"));
  EXPECT_EQ(state.panel_filter, "mod");
  EXPECT_EQ(state.selection, 2u);

  apply(snap(R"("panel_title":"Agents")"));
  EXPECT_EQ(state.panel_scroll, 0u);
  EXPECT_EQ(state.selection, 0u);
  EXPECT_FALSE(state.panel_text_focus);
  EXPECT_EQ(state.panel_filter, "");
}

std::string prompt_line(std::string_view id) {
  return snap(R"("prompt":{"kind":"question","id":)" + json_string(id) +
              R"(,"lines":[],"choices":[]})");
}

TEST_F(IntakeTest, NewPromptClearsTheAnswer) {
  apply(prompt_line("q1"));
  EXPECT_EQ(state.prompt_key, "q1");
  state.answer.insert("typed");
  state.selection = 1;
  state.panel_scroll = 2;

  apply(prompt_line("q1"));
  EXPECT_EQ(state.answer.text, "typed");
  EXPECT_EQ(state.selection, 1u);

  apply(prompt_line("q2"));
  EXPECT_EQ(state.answer.text, "");
  EXPECT_EQ(state.prompt_key, "q2");
  EXPECT_EQ(state.selection, 0u);
  EXPECT_EQ(state.panel_scroll, 0u);

  state.answer.insert("typed");
  apply(snap(""));
  EXPECT_EQ(state.prompt_key, "");
  EXPECT_EQ(state.answer.text, "");
}

TEST_F(IntakeTest, NewFormLoadsItsBody) {
  apply(snap(R"("form":{"id":"f1","body":"first body"})"));
  EXPECT_EQ(state.form_editor.text, "first body");
  EXPECT_EQ(state.form_key, "f1");
  state.form_editor.insert(" edited");
  state.form_edits = 3;
  state.form_last_edit = kStart;

  apply(snap(R"("form":{"id":"f1","body":"bridge copy"})"));
  EXPECT_EQ(state.form_editor.text, "first body edited") << "the same form keeps the edits";
  EXPECT_EQ(state.form_edits, 3u);

  apply(snap(R"("form":{"id":"f2","body":"second"})"));
  EXPECT_EQ(state.form_editor.text, "second");
  EXPECT_EQ(state.form_edits, 0u);
  EXPECT_FALSE(state.form_last_edit);

  apply(snap(""));
  EXPECT_EQ(state.form_editor.text, "");
  EXPECT_EQ(state.form_key, "");
}

struct ComposerCase {
  std::string name;
  std::string text;
  std::size_t cursor;
  std::optional<std::size_t> selection_anchor;
  std::string fields;
  std::string expected;
  std::size_t expected_cursor;
};

class ComposerText : public IntakeTest, public testing::WithParamInterface<ComposerCase> {};

TEST_P(ComposerText, RestoreAndInsert) {
  const ComposerCase& c = GetParam();
  apply(snap(""));
  state.composer.text = c.text;
  state.composer.cursor = c.cursor;
  state.composer.anchor = c.selection_anchor;
  apply(snap(c.fields));
  EXPECT_EQ(state.composer.text, c.expected);
  EXPECT_EQ(state.composer.cursor, c.expected_cursor);
  EXPECT_TRUE(outbox.lines.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Intake, ComposerText,
    testing::Values(
        ComposerCase{"restore_into_empty", "", 0, {}, R"("restore":"back")", "back", 4},
        ComposerCase{
            "restore_before_other_text", "other", 3, {}, R"("restore":"back")", "back\n\nother", 6},
        ComposerCase{"restore_keeps_a_selection", "other", 5, 0, R"("restore":"back")",
                     "back\n\nother", 6},
        ComposerCase{"insert_at_cursor", "ab", 1, {}, R"("insert":"X")", "aXb", 2},
        ComposerCase{"insert_keeps_a_selection", "abc", 1, 3, R"("insert":"X")", "aXbc", 2},
        ComposerCase{"restore_then_insert",
                     "other",
                     5,
                     {},
                     R"("restore":"r","insert":"!")",
                     "r\n\n!other",
                     4},
        ComposerCase{"send_without_insert_does_nothing",
                     "hello",
                     5,
                     {},
                     R"("auto_send_insert":true)",
                     "hello",
                     5},
        ComposerCase{"blank_composer_is_not_sent",
                     "",
                     0,
                     {},
                     R"("insert":"   ","auto_send_insert":true)",
                     "   ",
                     3},
        ComposerCase{"unicode_blank_is_not_sent",
                     "\t",
                     1,
                     {},
                     "\"insert\":\"\xE3\x80\x80\",\"auto_send_insert\":true",
                     "\t\xE3\x80\x80",
                     4}),
    [](const testing::TestParamInfo<ComposerCase>& info) { return info.param.name; });

TEST_F(IntakeTest, AutomaticSendSubmitsTheWholeComposer) {
  apply(snap(R"("generation":7)"));
  state.composer.insert("draft ");
  apply(snap(R"("generation":7,"insert":"go","auto_send_insert":true)"));
  EXPECT_EQ(outbox.lines, std::vector<std::string>{
                              R"({"generation":7,"mode":"queue","text":"draft go","type":"submit"})"
                              "\n"});
  EXPECT_EQ(state.composer.text, "");
  EXPECT_EQ(state.composer.sent.back(), "draft go");
}

TEST_F(IntakeTest, AutomaticSendIntoEmptyComposerCarriesTheNewGeneration) {
  apply(snap(R"("generation":1)"));
  state.composer.insert("old conversation");
  apply(snap(R"("generation":8,"insert":"go","auto_send_insert":true)"));
  EXPECT_EQ(outbox.lines, std::vector<std::string>{
                              R"({"generation":8,"mode":"queue","text":"go","type":"submit"})"
                              "\n"});
  EXPECT_EQ(state.composer.text, "");
}

TEST_F(IntakeTest, HistoryComesOnlyFromTheFirstSnapshot) {
  apply(snap(R"("history":["one","two"])"));
  EXPECT_EQ(state.composer.sent, (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(state.composer.recall, 2u);

  state.composer.insert("three");
  state.composer.take();
  apply(snap(R"("history":["other"])"));
  EXPECT_EQ(state.composer.sent, (std::vector<std::string>{"one", "two", "three"}));
}

struct VoicePhaseCase {
  std::string name;
  std::string current;
  std::string next;
  std::optional<std::size_t> anchor;
  std::optional<std::size_t> expected;
};

class VoicePhase : public IntakeTest, public testing::WithParamInterface<VoicePhaseCase> {};

TEST_P(VoicePhase, SetsOrKeepsOrClearsTheAnchor) {
  const VoicePhaseCase& c = GetParam();
  apply(snap(R"("voice_phase":)" + json_string(c.current)));
  state.composer.insert("hello");
  state.composer.cursor = 3;
  state.voice_anchor = c.anchor;
  apply(snap(R"("voice_phase":)" + json_string(c.next)));
  EXPECT_EQ(state.voice_anchor, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Intake, VoicePhase,
    testing::Values(VoicePhaseCase{"recording_starts", "", "recording", {}, 3},
                    VoicePhaseCase{"recording_goes_on", "recording", "recording", 1, 1},
                    VoicePhaseCase{"transcribing_keeps", "recording", "transcribing", 1, 1},
                    VoicePhaseCase{"transcribing_keeps_none", "", "transcribing", {}, {}},
                    VoicePhaseCase{"recording_again_after_transcribing", "transcribing",
                                   "recording", 1, 3},
                    VoicePhaseCase{"idle_clears", "transcribing", "", 1, {}},
                    VoicePhaseCase{"unknown_clears", "recording", "paused", 1, {}}),
    [](const testing::TestParamInfo<VoicePhaseCase>& info) { return info.param.name; });

struct VoiceCase {
  std::string name;
  std::string text;
  std::size_t cursor;
  std::optional<std::size_t> anchor;
  std::string words;
  std::string expected;
  std::size_t expected_cursor;
};

class VoiceInsert : public IntakeTest, public testing::WithParamInterface<VoiceCase> {};

TEST_P(VoiceInsert, SpacesTheWordsApart) {
  const VoiceCase& c = GetParam();
  apply(snap(""));
  state.composer.text = c.text;
  state.composer.cursor = c.cursor;
  state.voice_anchor = c.anchor;
  // Still transcribing, which keeps an anchor: the insertion itself must use it up.
  apply(snap(R"("insert":)" + json_string(c.words) +
             R"(,"insert_kind":"voice","voice_phase":"transcribing")"));
  EXPECT_EQ(state.composer.text, c.expected);
  EXPECT_EQ(state.composer.cursor, c.expected_cursor);
  EXPECT_EQ(state.voice_anchor, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Intake, VoiceInsert,
    testing::Values(
        VoiceCase{"empty_composer", "", 0, {}, "hi", "hi", 2},
        VoiceCase{"after_a_word", "hello", 5, {}, "world", "hello world", 11},
        VoiceCase{"before_a_word", "world", 0, {}, "hello", "hello world", 6},
        VoiceCase{"between_space_and_word", "a b", 2, {}, "x", "a x b", 4},
        VoiceCase{"after_a_line_feed", "a\n", 2, {}, "x", "a\nx", 3},
        VoiceCase{"after_no_break_space", "a\xC2\xA0", 3, {}, "x", "a\xC2\xA0x", 4},
        VoiceCase{"after_a_wide_character", "\xE6\x97\xA5", 3, {}, "x", "\xE6\x97\xA5 x", 5},
        VoiceCase{"at_the_anchor_while_typing_on", "hello world", 11, 5, "big", "hello big world",
                  15},
        VoiceCase{"anchor_after_the_cursor", "hello", 0, 5, "x", "hello x", 7},
        VoiceCase{"anchor_past_the_end", "hi", 2, 9, "x", "hi x", 4},
        VoiceCase{"anchor_inside_a_grapheme", "e\xCC\x81", 3, 1, "x", "e\xCC\x81 x", 5}),
    [](const testing::TestParamInfo<VoiceCase>& info) { return info.param.name; });

TEST_F(IntakeTest, CompletionsAreCachedByPrefixOrQuery) {
  apply(snap(R"("completion_query":"/m","completions":["/model"])"));
  apply(snap(R"("completion_prefix":"@src/","completion_query":"@s","completions":["@src/a"])"));
  apply(snap(R"("completions":["ignored"])"));
  apply(snap(R"("completion_query":"/m","completions":["/model","/mcp"])"));

  ASSERT_EQ(state.completion_cache.size(), 2u);
  EXPECT_EQ(state.completion_cache[0].key, "@src/");
  EXPECT_EQ(state.completion_cache[1].key, "/m");
  EXPECT_EQ(state.completion_cache[1].candidates, (std::vector<std::string>{"/model", "/mcp"}));
}

TEST_F(IntakeTest, CompletionCacheKeepsTheNewest32) {
  for (int i = 0; i < 33; ++i) {
    apply(snap(R"("completion_query":"k)" + std::to_string(i) + R"(","completions":[])"));
  }
  ASSERT_EQ(state.completion_cache.size(), 32u);
  EXPECT_EQ(state.completion_cache.front().key, "k1");
  EXPECT_EQ(state.completion_cache.back().key, "k32");
}

TEST_F(IntakeTest, NewGenerationStillCachesItsOwnCompletions) {
  apply(snap(R"("generation":1,"completion_query":"a","completions":[])"));
  apply(snap(R"("generation":2,"completion_query":"b","completions":[])"));
  ASSERT_EQ(state.completion_cache.size(), 1u);
  EXPECT_EQ(state.completion_cache[0].key, "b");
}

// ---------------------------------------------------------------------------------------
// Details tab

struct DetailsCase {
  std::string name;
  std::string current_tab;
  std::string fields;
  bool logs_view;
  std::size_t details_offset;
};

class DetailsTab : public IntakeTest, public testing::WithParamInterface<DetailsCase> {};

TEST_P(DetailsTab, SetsTheLogsViewAndResetsOnATabChange) {
  const DetailsCase& c = GetParam();
  apply(
      snap(R"("details_sidebar":true,"details_panel":{"tab":)" + json_string(c.current_tab) + "}"));
  state.logs_view = true;
  state.details_offset = 6;
  state.selected_file = 6;
  apply(snap(c.fields));
  EXPECT_EQ(state.logs_view, c.logs_view);
  EXPECT_EQ(state.details_offset, c.details_offset);
  EXPECT_EQ(state.selected_file, c.details_offset);
}

INSTANTIATE_TEST_SUITE_P(
    Intake, DetailsTab,
    testing::Values(
        DetailsCase{"logs_with_sidebar_closed", "Logs",
                    R"("details_sidebar":false,"details_panel":{"tab":"Logs"})", false, 6},
        DetailsCase{"logs_with_sidebar_open", "Logs",
                    R"("details_sidebar":true,"details_panel":{"tab":"Logs"})", true, 6},
        DetailsCase{"session_to_files", "Session",
                    R"("details_sidebar":true,"details_panel":{"tab":"Files"})", false, 0},
        DetailsCase{"same_tab", "Files",
                    R"("details_sidebar":true,"details_panel":{"tab":"Files"})", false, 6},
        DetailsCase{"logs_spelled_otherwise", "logs",
                    R"("details_sidebar":true,"details_panel":{"tab":"logs"})", false, 6}),
    [](const testing::TestParamInfo<DetailsCase>& info) { return info.param.name; });

// ---------------------------------------------------------------------------------------
// Form autosave

struct AutosaveCase {
  std::string name;
  std::string form;  // JSON of the current form, "" for none
  std::optional<milliseconds> last_edit;
  milliseconds now;
  bool saved;
};

class Autosave : public IntakeTest, public testing::WithParamInterface<AutosaveCase> {};

TEST_P(Autosave, SavesOnceTheEditsRest) {
  const AutosaveCase& c = GetParam();
  apply(snap(R"("generation":4)" + (c.form.empty() ? "" : R"(,"form":)" + c.form)));
  state.form_editor.insert(" more");
  state.form_edits = 3;
  if (c.last_edit) state.form_last_edit = kStart + *c.last_edit;

  ASSERT_FALSE(autosave(state, outbox, kStart + c.now));

  if (c.saved) {
    EXPECT_EQ(outbox.lines,
              std::vector<std::string>{
                  R"({"body":"text more","form":"f1","generation":4,"revision":3,"type":"save"})"
                  "\n"});
    EXPECT_FALSE(state.form_last_edit);
    ASSERT_FALSE(autosave(state, outbox, kStart + c.now + milliseconds(5000)));
    EXPECT_EQ(outbox.lines.size(), 1u) << "one save per rest";
  } else {
    EXPECT_TRUE(outbox.lines.empty());
    EXPECT_EQ(state.form_last_edit.has_value(), c.last_edit.has_value());
  }
}

const std::string kAutosaveForm = R"({"id":"f1","body":"text","autosave":true})";

INSTANTIATE_TEST_SUITE_P(
    Intake, Autosave,
    testing::Values(
        AutosaveCase{"just_over_700ms", kAutosaveForm, milliseconds(1000), milliseconds(1701),
                     true},
        AutosaveCase{"exactly_700ms", kAutosaveForm, milliseconds(1000), milliseconds(1700), false},
        AutosaveCase{"long_after", kAutosaveForm, milliseconds(0), milliseconds(60000), true},
        AutosaveCase{"no_edit", kAutosaveForm, std::nullopt, milliseconds(60000), false},
        AutosaveCase{"without_autosave", R"({"id":"f1","body":"text"})", milliseconds(0),
                     milliseconds(60000), false},
        AutosaveCase{"without_form", "", milliseconds(0), milliseconds(60000), false}),
    [](const testing::TestParamInfo<AutosaveCase>& info) { return info.param.name; });

TEST_F(IntakeTest, FailedAutosaveIsReportedAndKeepsTheEdit) {
  apply(snap(R"("form":)" + kAutosaveForm));
  state.form_last_edit = kStart;
  outbox.failure = std::make_error_code(std::errc::broken_pipe);
  EXPECT_EQ(autosave(state, outbox, kStart + milliseconds(800)),
            std::make_error_code(std::errc::broken_pipe));
  EXPECT_TRUE(state.form_last_edit);
}

}  // namespace
}  // namespace orvane::app

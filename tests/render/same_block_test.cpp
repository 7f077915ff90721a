#include "render/same_block.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

namespace orvane::render {
namespace {

using bridge::Content;

bridge::JsonValue json(std::string_view text) {
  return *bridge::json_value(text);
}

// A block with every field set, so that a change to any one of them shows.
Content full_block() {
  Content member;
  member.id = "m";
  member.title = "Read";
  member.text = "src/main.cpp";
  member.kind = "tool";
  member.operation = json(R"({"open":"src/main.cpp"})");

  Content block;
  block.id = "b1";
  block.title = "Tools";
  block.text = "3 tools";
  block.kind = "tool_group";
  block.operation = json(R"({"expand":1})");
  block.path = "src";
  block.added = 1;
  block.removed = 2;
  block.diff_rows = {{1, "old", 1, "new", "change"}};
  block.gap = 1;
  block.number = 4;
  block.collapsed = true;
  block.chips = {"a.png"};
  block.chip_operation = json(R"(["chips"])");
  block.detail = "detail";
  block.status = "running";
  block.batch_glyph = "│";
  block.color = "$ov-blue";
  block.count = 3;
  block.failures = 1;
  block.members = {member, member};
  block.output_operation = json(R"({"output":true})");
  return block;
}

struct SameBlockCase {
  std::string name;
  std::function<void(Content&)> left;
  std::function<void(Content&)> right;
  bool same;
};

void PrintTo(const SameBlockCase& c, std::ostream* out) {
  *out << c.name;
}

class SameBlock : public testing::TestWithParam<SameBlockCase> {};

TEST_P(SameBlock, ComparesBlocks) {
  Content a = full_block();
  Content b = full_block();
  GetParam().left(a);
  GetParam().right(b);
  EXPECT_EQ(same_block(a, b), GetParam().same);
  EXPECT_EQ(same_block(b, a), GetParam().same);
}

void keep(Content&) {}

std::function<void(Content&)> tagged(std::string rev) {
  return [rev](Content& c) { c.rev = rev; };
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SameBlock,
    testing::Values(
        SameBlockCase{"identical", keep, keep, true},
        // Without tags on both sides every field counts.
        SameBlockCase{"id", keep, [](Content& c) { c.id = "b2"; }, false},
        SameBlockCase{"title", keep, [](Content& c) { c.title = "x"; }, false},
        SameBlockCase{"text", keep, [](Content& c) { c.text += " "; }, false},
        SameBlockCase{"kind", keep, [](Content& c) { c.kind = "tool"; }, false},
        SameBlockCase{"path", keep, [](Content& c) { c.path = "lib"; }, false},
        SameBlockCase{"detail", keep, [](Content& c) { c.detail.clear(); }, false},
        SameBlockCase{"status", keep, [](Content& c) { c.status = "failed"; }, false},
        SameBlockCase{"batch glyph", keep, [](Content& c) { c.batch_glyph = "└"; }, false},
        SameBlockCase{"color", keep, [](Content& c) { c.color = "$ov-cyan"; }, false},
        SameBlockCase{"added", keep, [](Content& c) { c.added = 9; }, false},
        SameBlockCase{"removed", keep, [](Content& c) { c.removed = 9; }, false},
        SameBlockCase{"count", keep, [](Content& c) { c.count = 9; }, false},
        SameBlockCase{"failures", keep, [](Content& c) { c.failures = 0; }, false},
        SameBlockCase{"number", keep, [](Content& c) { c.number = 5; }, false},
        SameBlockCase{"gap", keep, [](Content& c) { c.gap = 0; }, false},
        SameBlockCase{"collapsed", keep, [](Content& c) { c.collapsed = false; }, false},
        SameBlockCase{"diff row", keep, [](Content& c) { c.diff_rows[0].right_text = "x"; }, false},
        SameBlockCase{"chips", keep, [](Content& c) { c.chips.push_back("b.png"); }, false},
        SameBlockCase{"operation absent on one side", keep, [](Content& c) { c.operation.reset(); },
                      false},
        SameBlockCase{"operations both absent", [](Content& c) { c.operation.reset(); },
                      [](Content& c) { c.operation.reset(); }, true},
        SameBlockCase{"operation 1 against 1.0", [](Content& c) { c.operation = json("1"); },
                      [](Content& c) { c.operation = json("1.0"); }, false},
        SameBlockCase{"operation 1.0 against 1e0", [](Content& c) { c.operation = json("1.0"); },
                      [](Content& c) { c.operation = json("1e0"); }, true},
        SameBlockCase{"operation keys in another order",
                      [](Content& c) { c.operation = json(R"({"a":1,"b":[2]})"); },
                      [](Content& c) { c.operation = json(R"({"b":[2],"a":1})"); }, true},
        SameBlockCase{"chip operation", keep, [](Content& c) { c.chip_operation = json("[]"); },
                      false},
        SameBlockCase{"output operation", keep,
                      [](Content& c) { c.output_operation = json("null"); }, false},
        SameBlockCase{"member field", keep, [](Content& c) { c.members[1].text = "x"; }, false},
        SameBlockCase{"member count", keep, [](Content& c) { c.members.pop_back(); }, false},
        SameBlockCase{"nested member", keep, [](Content& c) { c.members[0].members = {Content{}}; },
                      false},
        // Tags on both sides: id and tag decide alone.
        SameBlockCase{"same id and tag, other contents", tagged("7"),
                      [](Content& c) {
                        c.rev = "7";
                        c.text = "changed";
                        c.members.clear();
                      },
                      true},
        SameBlockCase{"other tag", tagged("7"), tagged("8"), false},
        SameBlockCase{"same tag, other id", tagged("7"),
                      [](Content& c) {
                        c.rev = "7";
                        c.id = "b2";
                      },
                      false},
        SameBlockCase{"tag on one side only", tagged("7"), keep, false},
        // The tag shortcut holds only at the top: tagged members are compared in full.
        SameBlockCase{"tagged members with other contents",
                      [](Content& c) { c.members[0].rev = "1"; },
                      [](Content& c) {
                        c.members[0].rev = "1";
                        c.members[0].text = "other";
                      },
                      false}),
    [](const testing::TestParamInfo<SameBlockCase>& info) {
      std::string name;
      for (char ch : info.param.name)
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name;
    });

}  // namespace
}  // namespace orvane::render

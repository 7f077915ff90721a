#include "render/targets.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace orvane::render {

void PrintTo(const Target& target, std::ostream* out) {
  *out << "(" << target.first << ", " << target.last << ")";
}

namespace {

using Value = std::optional<std::string>;
using Values = std::vector<std::optional<bridge::JsonValue>>;

struct TargetsCase {
  std::string name;
  // The click values of the lines as JSON texts, split into the cache's parts.
  std::vector<std::vector<Value>> parts;
  std::vector<Target> targets;
};

void PrintTo(const TargetsCase& c, std::ostream* out) {
  *out << c.name;
}

class Targets : public testing::TestWithParam<TargetsCase> {};

TEST_P(Targets, GroupRunsOfEqualValues) {
  Cache cache;
  std::vector<Indexed<std::optional<bridge::JsonValue>>::Part> parts;
  for (const std::vector<Value>& texts : GetParam().parts) {
    Values values;
    for (const Value& text : texts) {
      values.push_back(text ? bridge::json_value(*text) : std::nullopt);
      ASSERT_EQ(values.back().has_value(), text.has_value()) << *text;
    }
    parts.push_back(std::make_shared<const Values>(std::move(values)));
  }
  cache.actions.set_parts(std::move(parts));
  EXPECT_EQ(targets(cache), GetParam().targets);
}

const Value kNone;

INSTANTIATE_TEST_SUITE_P(
    Cases, Targets,
    testing::Values(TargetsCase{"no_lines", {}, {}}, TargetsCase{"no_values", {{kNone, kNone}}, {}},
                    TargetsCase{"runs_split_by_a_line_without_value",
                                {{R"("A")", R"("A")", kNone, R"("A")", R"("B")", R"("B")"}},
                                {{0, 1}, {3, 3}, {4, 5}}},
                    TargetsCase{"integer_and_fraction_differ", {{"1", "1.0"}}, {{0, 0}, {1, 1}}},
                    TargetsCase{"equal_fractions_written_differently", {{"1.0", "1e0"}}, {{0, 1}}},
                    TargetsCase{"objects_with_keys_in_other_orders",
                                {{R"({"a":1,"b":[true]})", R"({"b":[true],"a":1})"}},
                                {{0, 1}}},
                    TargetsCase{"null_is_a_value", {{"null", "null", kNone}}, {{0, 1}}},
                    TargetsCase{"runs_cross_part_boundaries",
                                {{R"("A")"}, {}, {R"("A")", R"("B")"}, {R"("B")"}},
                                {{0, 1}, {2, 3}}},
                    TargetsCase{"valueless_line_at_a_part_boundary",
                                {{R"("A")", kNone}, {R"("A")"}},
                                {{0, 0}, {2, 2}}}),
    [](const testing::TestParamInfo<TargetsCase>& info) { return info.param.name; });

}  // namespace
}  // namespace orvane::render

#include "stress.hpp"

#include <gtest/gtest.h>

#include "client_view.hpp"
#include "publish.hpp"

namespace orvane::demo {
namespace {

TEST(Stress, GrowsToItsTargetInLinesTheClientCanApply) {
  Model model = initial_model(1.0, ".");
  Publisher publisher;
  Stress stress;
  stress.target = 400;
  std::vector<std::string> lines{*take_line(model, publisher)};
  std::size_t spinning = 0, patches = 0;
  while (stress_step(stress, model)) {
    lines.push_back(*take_line(model, publisher));
    patches += lines.back().starts_with(R"({"schema":2)") ? 1 : 0;
    for (const bridge::Content& block : model.transcript.blocks()) spinning += block.status == "running" ? 1 : 0;
  }
  EXPECT_EQ(model.transcript.size(), 400u);
  EXPECT_GT(spinning, 0u);
  EXPECT_GT(patches, lines.size() * 9 / 10) << "a growing transcript goes out as patches";
  for (const bridge::Content& block : model.transcript.blocks()) EXPECT_NE(block.status, "running");

  testing::ClientView client;
  for (const auto& batch : testing::batches(lines, {3, 1, 2})) ASSERT_TRUE(client.apply(batch));
  EXPECT_EQ(client.current.blocks, model.transcript.blocks());
}

}  // namespace
}  // namespace orvane::demo

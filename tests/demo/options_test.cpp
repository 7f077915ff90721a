#include "options.hpp"

#include <gtest/gtest.h>

namespace orvane::demo {
namespace {

TEST(Options, ParseTheCommandLine) {
  const ParsedOptions all = parse_options(
      {"--client", "/x/tui", "--speed=2.5", "--record", "r.txt", "--log=l.txt", "--stress=300", "--allow-edits"});
  EXPECT_EQ(all.error, "");
  EXPECT_EQ(all.options.client, "/x/tui");
  EXPECT_EQ(all.options.speed, 2.5);
  EXPECT_EQ(all.options.record, "r.txt");
  EXPECT_EQ(all.options.log, "l.txt");
  EXPECT_EQ(all.options.stress, 300u);
  EXPECT_TRUE(all.options.allow_edits);
  EXPECT_FALSE(parse_options({}).options.allow_edits);
  EXPECT_EQ(parse_options({"--stress"}).options.stress, 10'000u);
  EXPECT_EQ(parse_options({"--replay", "f"}).options.replay, "f");

  const std::vector<std::pair<std::vector<std::string_view>, std::string>> errors = {
      {{"--speed", "0"}, "--speed needs a number above 0"},
      {{"--speed=fast"}, "--speed needs a number above 0"},
      {{"--stress=0"}, "--stress needs a number of blocks above 0"},
      {{"--record"}, "--record needs a value"},
      {{"--replay", "f", "--stress"}, "--replay and --stress cannot go together"},
      {{"--verbose"}, "unknown argument: --verbose"},
  };
  for (const auto& [arguments, error] : errors) EXPECT_EQ(parse_options(arguments).error, error) << error;
}

}  // namespace
}  // namespace orvane::demo

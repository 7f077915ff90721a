#include "trace/report.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fake_env.hpp"
#include "trace/labels.hpp"
#include "trace/trace.hpp"

namespace orvane::trace {
namespace {

using namespace std::chrono_literals;
using testing::fake_env;

class Report : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "trace-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  static std::string contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  std::filesystem::path dir_;
};

TEST_F(Report, FinishWritesTheSummaryAndSaysWhere) {
  const std::filesystem::path path = dir_ / "trace.log";
  const EnvLookup env = fake_env({{"ORVANE_TUI_TRACE", "1"}, {"ORVANE_TUI_TRACE_FILE", path}});
  Trace trace(env);
  trace.record(kParse, 2ms);
  trace.record(kDraw, 1500us);

  EXPECT_EQ(trace.finish(env), "Native timing trace: " + path.string() + "\n");
  // No line feed after the last line.
  EXPECT_EQ(contents(path),
            "draw: p50 1.500 · p95 1.500 · max 1.500 ms (n=1)\n"
            "parse: p50 2.000 · p95 2.000 · max 2.000 ms (n=1)");
}

TEST_F(Report, FinishWhenDisabledWritesNoFile) {
  const std::filesystem::path path = dir_ / "trace.log";
  const EnvLookup env = fake_env({{"ORVANE_TUI_TRACE_FILE", path}});
  Trace trace(env);
  trace.record(kDraw, 1ms);
  EXPECT_EQ(trace.finish(env), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(Report, TruncatesAnOlderReport) {
  const std::filesystem::path path = dir_ / "trace.log";
  std::ofstream(path) << "an older and much longer report that must not survive";
  EXPECT_EQ(write_report({"a", "b"}, path), "Native timing trace: " + path.string() + "\n");
  EXPECT_EQ(contents(path), "a\nb");
}

TEST_F(Report, WritesAnEmptyFileWithoutSamples) {
  const std::filesystem::path path = dir_ / "trace.log";
  EXPECT_EQ(write_report({}, path), "Native timing trace: " + path.string() + "\n");
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(contents(path), "");
}

TEST_F(Report, FailureIsOneLineWithTheReason) {
  struct Case {
    const char* name;
    std::filesystem::path path;
    std::string reason;
  };
  const Case cases[] = {
      {"missing directory", dir_ / "missing" / "trace.log", "No such file or directory"},
      {"path is a directory", dir_, "Is a directory"},
      {"empty path", "", "No such file or directory"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(write_report({"draw: p50 1.000 · p95 1.000 · max 1.000 ms (n=1)"}, c.path),
              "Native timing trace could not be written: " + c.reason + "\n")
        << c.name;
  }
  EXPECT_FALSE(std::filesystem::exists(dir_ / "missing"));
}

TEST(ReportPath, ByTable) {
  const std::string file = "orvane-tui-trace-" + std::to_string(getpid()) + ".log";
  struct Case {
    const char* name;
    std::map<std::string, std::string, std::less<>> env;
    std::filesystem::path path;
  };
  const Case cases[] = {
      {"explicit file used unchanged",
       {{"ORVANE_TUI_TRACE_FILE", "relative/../x.log"}, {"TMPDIR", "/scratch"}},
       "relative/../x.log"},
      {"explicit empty value is still set", {{"ORVANE_TUI_TRACE_FILE", ""}}, ""},
      {"temporary directory from TMPDIR", {{"TMPDIR", "/scratch"}}, "/scratch/" + file},
      {"TMPDIR with a trailing slash", {{"TMPDIR", "/scratch/"}}, "/scratch/" + file},
      {"no TMPDIR", {}, "/tmp/" + file},
      {"empty TMPDIR", {{"TMPDIR", ""}}, "/tmp/" + file},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(report_path(fake_env(c.env)).string(), c.path.string()) << c.name;
  }
}

}  // namespace
}  // namespace orvane::trace

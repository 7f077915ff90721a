#include "recording.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

namespace orvane::demo {
namespace {

class RecordingTest : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove(path_); }

  Recording read(const std::string& content) {
    std::ofstream(path_, std::ios::binary) << content;
    return read_recording(path_);
  }

  std::filesystem::path path_ =
      std::filesystem::temp_directory_path() / ("orvane-demo-recording-" + std::to_string(::getpid()));
};

TEST_F(RecordingTest, LinesComeBackWithTheirTimes) {
  const std::string line = R"({"schema":1,"revision":1,"title":"tab\there"})";
  const Recording recording = read(recorded_line(Time(0), line) + recorded_line(Time(1500), "{}") + "\n");
  ASSERT_EQ(recording.error, "");
  ASSERT_EQ(recording.lines.size(), 2u);
  EXPECT_EQ(recording.lines[0].text, line);
  EXPECT_EQ(recording.lines[1].offset, Time(1500));
}

TEST_F(RecordingTest, AMalformedLineIsAnErrorWithItsNumber) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"0\t{}\nno tab here\n", ":2: expected"},
      {"-5\t{}\n", ":1: expected"},
      {"1x\t{}\n", ":1: expected"},
      {"10\t{}\n5\t{}\n", ":2: time goes backwards"},
  };
  for (const auto& [content, error] : cases) {
    EXPECT_NE(read(content).error.find(error), std::string::npos) << content;
  }
  EXPECT_NE(read_recording(path_.string() + "-missing").error.find("cannot read"), std::string::npos);
}

}  // namespace
}  // namespace orvane::demo

// orvane-demo as a process, with small shell scripts standing in for the client.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "recording.hpp"

extern char** environ;

namespace orvane::demo {
namespace {

using namespace std::chrono_literals;

class ProcessTest : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directories(dir_); }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  std::string script(const std::string& name, const std::string& body) const {
    const std::string file = path(name);
    std::ofstream(file) << "#!/bin/sh\n" << body;
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
    return file;
  }

  static std::string text(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
  }

  static std::size_t line_count(const std::string& file) {
    const std::string content = text(file);
    return static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n'));
  }

  pid_t spawn(std::vector<std::string> arguments) const {
    arguments.insert(arguments.begin(), ORVANE_DEMO_PATH);
    arguments.push_back("--log");
    arguments.push_back(path("demo.log"));
    std::vector<char*> argv;
    for (std::string& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    EXPECT_EQ(::posix_spawn(&pid, ORVANE_DEMO_PATH, nullptr, nullptr, argv.data(), environ), 0);
    return pid;
  }

  static int exit_status(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  static bool wait_until(const std::function<bool()>& done) {
    const auto end = std::chrono::steady_clock::now() + 10s;
    while (!done()) {
      if (std::chrono::steady_clock::now() > end) return false;
      std::this_thread::sleep_for(10ms);
    }
    return true;
  }

  std::filesystem::path dir_ =
      std::filesystem::temp_directory_path() / ("orvane-demo-process-" + std::to_string(::getpid()));
};

TEST_F(ProcessTest, TheBridgeExitsWithTheClientsStatusAndRecordsWhatItSent) {
  // The client reads the first snapshot, asks for help, reads the answer and fails.
  const std::string client = script("client", "IFS= read -r line\n"
                                              "printf '%s\\n' '{\"text\":\"/help\",\"type\":\"command\"}'\n"
                                              "IFS= read -r line\n"
                                              "while ! printf '%s' \"$line\" | grep -q Help; do IFS= read -r line; done\n"
                                              "printf '%s\\n' \"$line\" > " + path("help.json") + "\n"
                                              "exit 3\n");
  const pid_t bridge = spawn({"--client", client, "--record", path("record.txt")});
  EXPECT_EQ(exit_status(bridge), 3);
  EXPECT_NE(text(path("help.json")).find(R"("panel_title":"Help")"), std::string::npos);
  const Recording recording = read_recording(path("record.txt"));
  EXPECT_EQ(recording.error, "");
  ASSERT_GE(recording.lines.size(), 2u);
  EXPECT_TRUE(recording.lines[0].text.starts_with(R"({"schema":1,"revision":1,)"));
  EXPECT_NE(text(path("demo.log")).find("command /help"), std::string::npos);
}

TEST_F(ProcessTest, AnInterruptEndsTheClientsInputAndTheClientEndsCleanly) {
  const std::string client = script("client", "exec cat > " + path("out") + "\n");
  const pid_t bridge = spawn({"--client", client});
  ASSERT_TRUE(wait_until([&] { return line_count(path("out")) >= 1; }));
  ::kill(bridge, SIGTERM);
  EXPECT_EQ(exit_status(bridge), 0) << "cat saw the end of its input";
}

TEST_F(ProcessTest, AfterQuitNothingMoreIsSentAndTheClientsInputEnds) {
  // The client quits at once; cat then ends only when the bridge closes its input.
  const std::string client = script("client", "IFS= read -r line\n"
                                              "printf '%s\\n' '{\"text\":\"\",\"type\":\"quit\"}'\n"
                                              "exec cat > " + path("after") + "\n");
  const pid_t bridge = spawn({"--client", client});
  int status = -1;
  const bool ended = wait_until([&] { return ::waitpid(bridge, &status, WNOHANG) == bridge; });
  if (!ended) {
    ::kill(bridge, SIGKILL);
    ::waitpid(bridge, nullptr, 0);
  }
  ASSERT_TRUE(ended) << "the client's input stayed open after quit";
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(text(path("after")), "");
  EXPECT_NE(text(path("demo.log")).find("the client quits"), std::string::npos);
}

TEST_F(ProcessTest, AReplaySendsTheRecordedLinesInOrder) {
  std::ofstream(path("replay.txt")) << recorded_line(Time(0), R"({"schema":1,"revision":1})")
                                    << recorded_line(Time(100), R"({"schema":1,"revision":2})")
                                    << recorded_line(Time(200), R"({"schema":1,"revision":3})");
  const std::string client = script("client", "exec cat > " + path("out") + "\n");
  const pid_t bridge = spawn({"--client", client, "--replay", path("replay.txt"), "--speed", "4"});
  ASSERT_TRUE(wait_until([&] { return line_count(path("out")) >= 3; }));
  ::kill(bridge, SIGINT);
  EXPECT_EQ(exit_status(bridge), 0);
  EXPECT_EQ(text(path("out")),
            "{\"schema\":1,\"revision\":1}\n{\"schema\":1,\"revision\":2}\n{\"schema\":1,\"revision\":3}\n");
}

TEST_F(ProcessTest, ABrokenRecordingOrAMissingClientStopsBeforeAnythingRuns) {
  std::ofstream(path("replay.txt")) << "not a recording\n";
  EXPECT_EQ(exit_status(spawn({"--client", "/bin/cat", "--replay", path("replay.txt")})), 1);
  EXPECT_EQ(exit_status(spawn({"--client", path("no-such-client")})), 1);
  EXPECT_EQ(exit_status(spawn({"--speed", "none"})), 2);
}

}  // namespace
}  // namespace orvane::demo

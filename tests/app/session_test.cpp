// The client run as a bridge runs it, with its terminal on a pseudo-terminal.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <atomic>
#include <string>
#include <thread>

#include "support/pty_client.hpp"
#include "term/session_bytes.hpp"

namespace orvane::app {
namespace {

using testing::PtyClient;

const std::string kTeardown = std::string(term::kTeardownModes) + std::string(term::kTeardownModifyOtherKeys);
const std::string kSetup = std::string(term::kSetupModes) + std::string(term::kSetupModifyOtherKeys);

bool restored_last(const std::string& terminal) {
  const auto at = terminal.rfind(kTeardown);
  return at != std::string::npos && terminal.find(kSetup) < at;
}

int exit_code(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

TEST(Session, VersionAnywhereAmongTheArgumentsPrintsTheBannerOnly) {
  PtyClient client({"first", "--version", "--other"});
  EXPECT_EQ(exit_code(client.wait_exit()), 0);
  EXPECT_EQ(client.output(), "Orvane Cellular \u00b7 bridge 2 (schema 1 compatible)\n");
  EXPECT_EQ(client.terminal().find('\x1b'), std::string::npos);
}

TEST(Session, EndOfInputRestoresTheTerminalAndExitsZero) {
  PtyClient client({"--Version", "--version=1"});
  ASSERT_TRUE(client.send_stdin("{\"schema\":1,\"revision\":1,\"lines\":[\"hello-from-the-bridge\"]}\n"));
  ASSERT_TRUE(client.wait_terminal("hello-from-the-bridge"));
  client.close_stdin();
  EXPECT_EQ(exit_code(client.wait_exit()), 0);
  EXPECT_TRUE(restored_last(client.terminal()));
  EXPECT_EQ(client.output(), "");
}

TEST(Session, RefusedLinesEndWithAnErrorAfterTheTeardown) {
  struct Case {
    const char* name;
    std::string line;
    std::string message;
  };
  const Case cases[] = {
      {"not JSON", "{\"schema\":", "Error: "},
      {"unknown schema", "{\"schema\":3}", "Error: unsupported bridge schema\r\n"},
      {"out of range", "{\"schema\":1,\"blocks\":[{\"gap\":70000}]}", "blocks[0].gap"},
  };
  for (const auto& c : cases) {
    PtyClient client;
    ASSERT_TRUE(client.send_stdin(c.line + "\n"));
    EXPECT_EQ(exit_code(client.wait_exit()), 1) << c.name;
    const auto& terminal = client.terminal();
    const auto teardown = terminal.rfind(kTeardown);
    ASSERT_NE(teardown, std::string::npos) << c.name;
    EXPECT_NE(terminal.find(c.message, teardown), std::string::npos) << c.name << ": " << terminal.substr(teardown);
  }
}

TEST(Session, OversizedOrNonUtf8LinesEndInputNormally) {
  const std::string cases[] = {std::string(17 * 1024 * 1024, 'x') + "\n", "{\"schema\":1}\xff\n"};
  for (const auto& line : cases) {
    PtyClient client;
    client.send_stdin(line);
    EXPECT_EQ(exit_code(client.wait_exit()), 0);
    EXPECT_TRUE(restored_last(client.terminal()));
  }
}

TEST(Session, StopSignalsRestoreTheTerminal) {
  for (int signal_number : {SIGTERM, SIGHUP, SIGINT}) {
    PtyClient client;
    ASSERT_TRUE(client.send_stdin("{\"schema\":1,\"lines\":[\"ready\"]}\n"));
    ASSERT_TRUE(client.wait_terminal("ready"));
    client.signal_client(signal_number);
    EXPECT_EQ(exit_code(client.wait_exit()), 128 + signal_number);
    EXPECT_TRUE(restored_last(client.terminal())) << signal_number;
  }
}

TEST(Session, CtrlQSendsQuitAndExitsZero) {
  PtyClient client;
  ASSERT_TRUE(client.send_stdin("{\"schema\":1,\"lines\":[\"ready\"]}\n"));
  ASSERT_TRUE(client.wait_terminal("ready"));
  client.type("\x11");
  EXPECT_EQ(exit_code(client.wait_exit()), 0);
  EXPECT_EQ(client.output(), "{\"text\":\"\",\"type\":\"quit\"}\n");
  EXPECT_TRUE(restored_last(client.terminal()));
}

// The reader thread may still be taking in lines while the run ends; that must not crash
// the way out.
TEST(Session, QuitWhileLinesKeepArrivingExitsZero) {
  for (int round = 0; round < 20; ++round) {
    PtyClient client;
    ASSERT_TRUE(client.send_stdin("{\"schema\":1,\"revision\":1,\"lines\":[\"ready\"]}\n"));
    ASSERT_TRUE(client.wait_terminal("ready"));
    std::atomic<bool> stop = false;
    std::thread feeder([&] {
      const std::string line = "{\"schema\":1,\"lines\":[\"" + std::string(100, 'x') + "\"]}\n";
      while (!stop && client.send_stdin(line)) {
      }
    });
    client.type("\x11");
    const int status = client.wait_exit();
    stop = true;
    feeder.join();
    EXPECT_EQ(exit_code(status), 0) << "round " << round << ", status " << status;
  }
}

}  // namespace
}  // namespace orvane::app

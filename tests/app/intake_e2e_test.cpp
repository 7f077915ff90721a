// A burst of snapshot lines into the real client, and what it writes back.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "support/pty_client.hpp"

namespace orvane::app {
namespace {

using testing::PtyClient;

std::string snapshot_line(int revision, const std::string& extra) {
  return "{\"schema\":1,\"revision\":" + std::to_string(revision) + ",\"generation\":4," +
         "\"restore\":\"\",\"insert\":\"\",\"lines\":[\"line " + std::to_string(revision) + "\"]" + extra + "}\n";
}

TEST(IntakeEndToEnd, BurstAutoSendTraceAndReport) {
  char directory[] = "/tmp/orvane-trace-XXXXXX";
  ASSERT_NE(mkdtemp(directory), nullptr);
  const std::string report = std::string(directory) + "/report.log";
  PtyClient client({}, {{"ORVANE_TUI_TRACE", "1"}, {"ORVANE_TUI_TRACE_FILE", report}});

  std::string burst;
  for (int revision = 1; revision <= 20; ++revision) burst += snapshot_line(revision, "");
  // A voice-free insert with auto-send: the composer text goes out as a queued submit. The
  // new line shares no cell with the old one, so it is written whole.
  burst += "{\"schema\":1,\"revision\":21,\"generation\":4,\"insert\":\"ship it\",\"auto_send_insert\":true,"
           "\"lines\":[\"AFTER-INSERT\"]}\n";
  ASSERT_TRUE(client.send_stdin(burst));
  ASSERT_TRUE(client.wait_stdout("\"type\":\"submit\""));
  EXPECT_NE(client.output().find("{\"generation\":4,\"mode\":\"queue\",\"text\":\"ship it\",\"type\":\"submit\"}\n"),
            std::string::npos)
      << client.output();
  ASSERT_TRUE(client.wait_terminal("AFTER-INSERT"));
  // Summaries reach the bridge as soon as a frame was drawn.
  ASSERT_TRUE(client.wait_stdout("\"type\":\"ui_trace\""));
  EXPECT_NE(client.output().find("{\"lines\":["), std::string::npos);

  client.close_stdin();
  const int status = client.wait_exit();
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_NE(client.terminal().find("Native timing trace: " + report), std::string::npos);
  std::ifstream file(report);
  std::stringstream contents;
  contents << file.rdbuf();
  EXPECT_NE(contents.str().find("parse"), std::string::npos) << contents.str();
  EXPECT_NE(contents.str().find("snapshot\u2192frame"), std::string::npos) << contents.str();
  std::remove(report.c_str());
  rmdir(directory);
}

}  // namespace
}  // namespace orvane::app

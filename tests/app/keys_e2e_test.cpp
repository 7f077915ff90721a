// Keys typed on the real client's terminal, and the messages they send.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <string>

#include "support/pty_client.hpp"

namespace orvane::app {
namespace {

using testing::PtyClient;

constexpr std::string_view kSnapshot =
    "{\"schema\":1,\"revision\":1,\"generation\":7,\"restore\":\"\",\"insert\":\"\",\"lines\":[\"ready\"]}\n";

TEST(KeysEndToEnd, TypedAndPastedTextIsSubmittedInItsModes) {
  PtyClient client;
  ASSERT_TRUE(client.send_stdin(kSnapshot));
  ASSERT_TRUE(client.wait_terminal("ready"));

  client.type("say-hello");
  ASSERT_TRUE(client.wait_terminal("say-hello"));
  client.type("\r");
  ASSERT_TRUE(client.wait_stdout("{\"generation\":7,\"mode\":\"queue\",\"text\":\"say-hello\",\"type\":\"submit\"}\n"))
      << client.output();

  // A bracketed paste lands in the composer with its control bytes cleaned away; Alt+Enter
  // interrupts the agent with it.
  client.type("\x1b[200~pasted\x1b[31m-text\x1b[201~");
  ASSERT_TRUE(client.wait_terminal("-text"));
  client.type("\x1b\r");
  ASSERT_TRUE(client.wait_stdout("\"mode\":\"interrupt\""));
  EXPECT_NE(client.output().find("{\"generation\":7,\"mode\":\"interrupt\",\"text\":\"pasted[31m-text\",\"type\":\"submit\"}\n"),
            std::string::npos)
      << client.output();

  client.type("\x11");  // Ctrl+q
  ASSERT_TRUE(client.wait_stdout("{\"text\":\"\",\"type\":\"quit\"}\n"));
  const int status = client.wait_exit();
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace orvane::app

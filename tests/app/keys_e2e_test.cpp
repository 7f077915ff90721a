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

// A drag over the transcript's first two lines (rows 4 and 5 of the 80×24 screen, under
// the three-row top bar) puts the text on the clipboard with OSC 52 and reports it.
TEST(KeysEndToEnd, ADragCopiesTheSelectedText) {
  PtyClient client;
  ASSERT_TRUE(client.send_stdin(
      "{\"schema\":1,\"revision\":1,\"generation\":7,\"restore\":\"\",\"insert\":\"\",\"lines\":[\"ready\",\"second-line\"]}\n"));
  ASSERT_TRUE(client.wait_terminal("second-line"));
  client.type("\x1b[<0;1;4M\x1b[<32;3;5M\x1b[<0;3;5m");  // SGR press, drag, release
  ASSERT_TRUE(client.wait_stdout("copy_selection")) << client.output();
  EXPECT_NE(client.output().find("{\"generation\":7,\"text\":\"ready\\nsec\",\"type\":\"copy_selection\"}\n"),
            std::string::npos)
      << client.output();
  EXPECT_NE(client.terminal().find("\x1b]52;c;cmVhZHkKc2Vj\x07"), std::string::npos);
}

}  // namespace
}  // namespace orvane::app

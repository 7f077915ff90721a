#include "input/outbox.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <system_error>

#include "input/message_send.hpp"
#include "support/recording_outbox.hpp"

namespace orvane::input {
namespace {

using testing::RecordingOutbox;

TEST(Send, WritesOneLineEndingInLineFeed) {
  RecordingOutbox outbox;
  ASSERT_FALSE(action(outbox, "quit", ""));
  ASSERT_FALSE(send(outbox, Message{{"open", true}, {"type", std::string("logs")}}));
  ASSERT_EQ(outbox.lines.size(), 2u);
  EXPECT_EQ(outbox.lines[0], "{\"text\":\"\",\"type\":\"quit\"}\n");
  EXPECT_EQ(outbox.lines[1], "{\"open\":true,\"type\":\"logs\"}\n");
}

TEST(Send, ReportsTheOutboxError) {
  RecordingOutbox outbox;
  outbox.failure = std::make_error_code(std::errc::broken_pipe);
  EXPECT_EQ(send(outbox, Message{{"type", std::string("quit")}}), std::errc::broken_pipe);
  EXPECT_EQ(action(outbox, "dismiss", ""), std::errc::broken_pipe);
}

TEST(StreamOutbox, WritesAndFlushesEachLine) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  std::FILE* stream = fdopen(fds[1], "w");
  ASSERT_NE(stream, nullptr);
  StreamOutbox outbox(stream);
  EXPECT_FALSE(outbox.write_line("{\"a\":1}\n"));
  // Readable without closing the stream: the line was flushed.
  char buffer[32] = {};
  EXPECT_EQ(read(fds[0], buffer, sizeof buffer), 8);
  EXPECT_EQ(std::string(buffer), "{\"a\":1}\n");
  std::fclose(stream);
  close(fds[0]);
}

TEST(StreamOutbox, ReportsAFullDevice) {
  std::FILE* stream = std::fopen("/dev/full", "w");
  if (stream == nullptr) GTEST_SKIP() << "/dev/full is not available";
  StreamOutbox outbox(stream);
  EXPECT_EQ(outbox.write_line("{\"text\":\"\",\"type\":\"quit\"}\n"),
            std::errc::no_space_on_device);
  std::fclose(stream);
}

TEST(StreamOutbox, ReportsAClosedReaderAsBrokenPipe) {
  // The client ignores SIGPIPE so that this arrives as an error.
  const auto previous = std::signal(SIGPIPE, SIG_IGN);
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  close(fds[0]);
  std::FILE* stream = fdopen(fds[1], "w");
  ASSERT_NE(stream, nullptr);
  StreamOutbox outbox(stream);
  EXPECT_EQ(outbox.write_line("{\"text\":\"\",\"type\":\"quit\"}\n"), std::errc::broken_pipe);
  std::fclose(stream);
  std::signal(SIGPIPE, previous);
}

}  // namespace
}  // namespace orvane::input

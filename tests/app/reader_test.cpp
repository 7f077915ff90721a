#include "app/reader.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <thread>
#include <vector>

namespace orvane::app {
namespace {

// Writes `input` into a pipe from a thread and collects what the reader delivers.
struct ReaderRun {
  std::vector<std::string> lines;
  bool closed = false;
};

ReaderRun run_reader(const std::string& input) {
  int fds[2];
  EXPECT_EQ(pipe(fds), 0);
  Channel channel;
  std::thread writer([&] {
    std::size_t done = 0;
    while (done < input.size()) {
      const ssize_t n = write(fds[1], input.data() + done, input.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    close(fds[1]);
  });
  std::thread reader([&] { read_lines(fds[0], channel); });
  ReaderRun run;
  while (!run.closed) {
    auto drained = channel.drain();
    for (auto& line : drained.lines) run.lines.push_back(std::move(line.text));
    run.closed = drained.closed;
    if (!run.closed) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  channel.abandon();
  reader.join();
  // A reader that stopped early leaves the writer blocked on a full pipe.
  close(fds[0]);
  writer.join();
  return run;
}

TEST(Reader, FramesLines) {
  struct Case {
    const char* name;
    std::string input;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"line feeds", "{\"a\":1}\n{\"b\":2}\n", {"{\"a\":1}", "{\"b\":2}"}},
      {"one carriage return removed", "x\r\ny\r\r\n", {"x", "y\r"}},
      {"last line without line feed", "x\ny", {"x", "y"}},
      {"empty input", "", {}},
      {"invalid UTF-8 ends input", "ok\nbad\xff\nlater\n", {"ok"}},
      {"bare carriage return kept inside", "a\rb\n", {"a\rb"}},
  };
  for (const auto& c : cases) EXPECT_EQ(run_reader(c.input).lines, c.lines) << c.name;
}

TEST(Reader, LineOverTheLimitEndsInput) {
  const std::string at_limit(kMaxLineBytes, 'a');
  EXPECT_EQ(run_reader("x\n" + at_limit + "\r\nz\n").lines.size(), 3u);
  const auto over = run_reader("x\n" + at_limit + "b\ny\n");
  EXPECT_EQ(over.lines, std::vector<std::string>{"x"});
  EXPECT_TRUE(over.closed);
}

TEST(Channel, HoldsTwoLinesAndWakesTheLoop) {
  Channel channel;
  EXPECT_TRUE(channel.send({"1", {}}));
  EXPECT_TRUE(channel.send({"2", {}}));
  std::atomic<bool> third_sent = false;
  std::thread reader([&] {
    channel.send({"3", {}});
    third_sent = true;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_FALSE(third_sent) << "the reader must wait while two lines are queued";
  auto first = channel.drain();
  reader.join();
  ASSERT_EQ(first.lines.size(), 2u);
  EXPECT_EQ(first.lines[1].text, "2");
  channel.close();
  auto second = channel.drain();
  ASSERT_EQ(second.lines.size(), 1u);
  EXPECT_TRUE(second.closed);
}

}  // namespace
}  // namespace orvane::app

#include "term/output.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <thread>

namespace orvane::term {
namespace {

// A pipe whose read end is drained into `received` by a thread, so writers can block.
struct DrainedPipe {
  int read_end = -1;
  int write_end = -1;
  std::string received;
  std::thread reader;

  explicit DrainedPipe(int write_flags = 0) {
    int fds[2];
    if (::pipe(fds) != 0) return;
    read_end = fds[0];
    write_end = fds[1];
    ::fcntl(write_end, F_SETFL, ::fcntl(write_end, F_GETFL) | write_flags);
  }
  void start() {
    reader = std::thread([this] {
      char chunk[4096];
      ssize_t n;
      while ((n = ::read(read_end, chunk, sizeof chunk)) > 0) received.append(chunk, n);
    });
  }
  // Closes the write end and waits for everything written to arrive.
  const std::string& finish() {
    ::close(write_end);
    write_end = -1;
    if (reader.joinable()) reader.join();
    return received;
  }
  ~DrainedPipe() {
    if (write_end >= 0) finish();
    ::close(read_end);
  }
};

std::string payload(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>('a' + i % 23);
  return bytes;
}

bool readable(int fd) {
  pollfd p{fd, POLLIN, 0};
  return ::poll(&p, 1, 0) == 1;
}

TEST(WriteAll, WritesEverythingThroughPartialWritesOnAFullNonBlockingPipe) {
  DrainedPipe pipe(O_NONBLOCK);
  pipe.start();
  const std::string bytes = payload(3 * 1024 * 1024 + 7);
  EXPECT_FALSE(write_all(pipe.write_end, bytes));
  EXPECT_TRUE(pipe.finish() == bytes);
}

TEST(WriteAll, ReportsErrors) {
  EXPECT_EQ(write_all(-1, "x"), std::errc::bad_file_descriptor);
  EXPECT_FALSE(write_all(-1, ""));
}

TEST(WriteInSignal, WritesAllBytesAndKeepsErrno) {
  DrainedPipe pipe;
  pipe.start();
  const std::string bytes = payload(200000);
  errno = ENOENT;
  write_in_signal(pipe.write_end, bytes.data(), bytes.size());
  EXPECT_EQ(errno, ENOENT);
  write_in_signal(-1, "x", 1);
  EXPECT_EQ(errno, ENOENT);
  EXPECT_TRUE(pipe.finish() == bytes);
}

TEST(Writer, HoldsBytesUntilFlush) {
  DrainedPipe pipe;
  Writer writer(pipe.write_end);
  EXPECT_FALSE(writer.write("frame"));
  EXPECT_FALSE(writer.write(" two"));
  EXPECT_FALSE(readable(pipe.read_end));
  EXPECT_FALSE(writer.flush());
  EXPECT_EQ(writer.buffered(), 0u);
  pipe.start();
  EXPECT_EQ(pipe.finish(), "frame two");
}

TEST(Writer, FlushesWhenFullAndKeepsTheOrder) {
  DrainedPipe pipe;
  pipe.start();
  Writer writer(pipe.write_end);
  const std::string first = payload(Writer::kCapacity - 10);
  const std::string second = payload(20);
  const std::string huge = payload(3 * Writer::kCapacity + 1);
  EXPECT_FALSE(writer.write(first));
  EXPECT_EQ(writer.buffered(), first.size());
  EXPECT_FALSE(writer.write(second));  // does not fit: the first part goes out
  EXPECT_EQ(writer.buffered(), second.size());
  EXPECT_FALSE(writer.write(huge));
  EXPECT_EQ(writer.buffered(), 0u);
  EXPECT_FALSE(writer.write("tail"));
  EXPECT_FALSE(writer.flush());
  EXPECT_TRUE(pipe.finish() == first + second + huge + "tail");
}

TEST(Writer, ReportsWriteErrorsAsValues) {
  Writer writer(-1);
  EXPECT_FALSE(writer.write("buffered"));
  EXPECT_EQ(writer.flush(), std::errc::bad_file_descriptor);
  EXPECT_FALSE(writer.flush());  // the failed bytes are not written twice
  EXPECT_EQ(writer.write(payload(Writer::kCapacity + 1)), std::errc::bad_file_descriptor);
}

}  // namespace
}  // namespace orvane::term

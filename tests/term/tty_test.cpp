#include "term/tty.hpp"

#include <gtest/gtest.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "events.hpp"

namespace orvane::term {
namespace {

using namespace test;
using namespace std::chrono_literals;

struct Pty {
  int master = -1;
  int slave = -1;
  std::string path;

  Pty() {
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) == 0) path = name;
  }
  ~Pty() {
    ::close(master);
    ::close(slave);
  }

  void write(std::string_view bytes) const {
    ASSERT_EQ(::write(master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }

  void set_size(unsigned short columns, unsigned short rows) const {
    winsize size{};
    size.ws_col = columns;
    size.ws_row = rows;
    ASSERT_EQ(::ioctl(master, TIOCSWINSZ, &size), 0);
  }
};

class TtyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(pty.path.empty());
    ASSERT_EQ(::sigaction(SIGWINCH, nullptr, &handler_before_open), 0);
    Result<Tty> opened = Tty::open(pty.path);
    ASSERT_TRUE(opened.value) << opened.error.message();
    tty.emplace(std::move(*opened.value));
  }

  // Reads events until `count` have arrived or a second passes without one.
  std::vector<Event> read_events(std::size_t count) {
    std::vector<Event> events;
    while (events.size() < count) {
      const Result<Ready> ready = tty->poll(1000ms);
      EXPECT_FALSE(ready.error) << ready.error.message();
      if (!ready.value || !ready.value->input) break;
      Result<Event> event = tty->read_event();
      EXPECT_FALSE(event.error) << event.error.message();
      if (event.value) events.push_back(std::move(*event.value));
    }
    return events;
  }

  Pty pty;
  struct sigaction handler_before_open {};
  std::optional<Tty> tty;
};

termios attributes(int fd) {
  termios value{};
  EXPECT_EQ(::tcgetattr(fd, &value), 0);
  return value;
}

void expect_same(const termios& a, const termios& b) {
  EXPECT_EQ(a.c_iflag, b.c_iflag);
  EXPECT_EQ(a.c_oflag, b.c_oflag);
  EXPECT_EQ(a.c_cflag, b.c_cflag);
  EXPECT_EQ(a.c_lflag, b.c_lflag);
  for (std::size_t i = 0; i < NCCS; ++i) EXPECT_EQ(a.c_cc[i], b.c_cc[i]) << "c_cc[" << i << "]";
  EXPECT_EQ(cfgetispeed(&a), cfgetispeed(&b));
  EXPECT_EQ(cfgetospeed(&a), cfgetospeed(&b));
}

TEST_F(TtyTest, RawModeOnAndOffRestoresTheExactAttributes) {
  termios original = attributes(pty.slave);
  // Something unusual, to show that the saved value comes back and not a default.
  original.c_cc[VERASE] = 0x08;
  original.c_iflag |= IXANY;
  ASSERT_EQ(::tcsetattr(pty.slave, TCSANOW, &original), 0);
  original = attributes(pty.slave);

  ASSERT_FALSE(tty->enable_raw_mode());
  EXPECT_TRUE(tty->raw());
  const termios raw = attributes(pty.slave);
  EXPECT_EQ(raw.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
  EXPECT_EQ(raw.c_iflag & (ICRNL | IXON), 0u);
  EXPECT_EQ(raw.c_cc[VMIN], 1);
  EXPECT_EQ(raw.c_cc[VTIME], 0);
  // A second switch must not save the raw attributes over the original ones.
  ASSERT_FALSE(tty->enable_raw_mode());

  ASSERT_FALSE(tty->disable_raw_mode());
  EXPECT_FALSE(tty->raw());
  expect_same(attributes(pty.slave), original);
  ASSERT_FALSE(tty->disable_raw_mode());
  expect_same(attributes(pty.slave), original);
}

TEST_F(TtyTest, DestructionRestoresTheAttributesAndTheSignalHandler) {
  const termios original = attributes(pty.slave);
  ASSERT_FALSE(tty->enable_raw_mode());
  // A moved-from Tty must not restore anything; the moved-to one does.
  std::optional<Tty> moved(std::move(*tty));
  tty.reset();
  EXPECT_TRUE(moved->raw());
  EXPECT_NE(attributes(pty.slave).c_lflag & ICANON, original.c_lflag & ICANON);
  moved.reset();
  expect_same(attributes(pty.slave), original);
  struct sigaction after {};
  ASSERT_EQ(::sigaction(SIGWINCH, nullptr, &after), 0);
  EXPECT_EQ(after.sa_handler, handler_before_open.sa_handler);
}

TEST_F(TtyTest, SizeIsTheWindowSizeSetOnTheMaster) {
  pty.set_size(100, 30);
  const Result<Size> size = tty->size();
  ASSERT_TRUE(size.value) << size.error.message();
  EXPECT_EQ(*size.value, (Size{100, 30}));
}

TEST_F(TtyTest, WindowChangeSignalArrivesAsResizeEvent) {
  pty.set_size(120, 40);
  ASSERT_EQ(::raise(SIGWINCH), 0);
  EXPECT_EQ(read_events(1), (std::vector<Event>{ResizeEvent{120, 40}}));
  // One signal, one event.
  const Result<Ready> ready = tty->poll(0ms);
  ASSERT_TRUE(ready.value);
  EXPECT_FALSE(ready.value->input);
}

TEST_F(TtyTest, ZeroTimeoutPollReportsWhatIsReadyNow) {
  Result<Ready> ready = tty->poll(0ms);
  ASSERT_TRUE(ready.value) << ready.error.message();
  EXPECT_FALSE(ready.value->input);
  EXPECT_FALSE(ready.value->extra);

  int wake[2];
  ASSERT_EQ(::pipe(wake), 0);
  ASSERT_EQ(::write(wake[1], "w", 1), 1);
  ready = tty->poll(0ms, wake[0]);
  ASSERT_TRUE(ready.value);
  EXPECT_FALSE(ready.value->input);
  EXPECT_TRUE(ready.value->extra);
  ::close(wake[0]);
  ::close(wake[1]);

  ASSERT_FALSE(tty->enable_raw_mode());
  pty.write("x");
  ready = tty->poll(1000ms);
  ASSERT_TRUE(ready.value);
  EXPECT_TRUE(ready.value->input);
}

TEST_F(TtyTest, BytesWrittenOnTheMasterAreReadAsEvents) {
  ASSERT_FALSE(tty->enable_raw_mode());
  pty.write("a\r\x1b[1;5A\x1b[<0;3;4M\x1b[200~pasted\x1b[201~");
  EXPECT_EQ(read_events(5),
            (std::vector<Event>{ch('a'), key(Key::Enter), key(Key::Up, kCtrl),
                                mouse(MouseKind::Down, MouseButton::Left, 2, 3), paste("pasted")}));
}

TEST_F(TtyTest, LoneEscIsReportedOnceItsWindowHasPassed) {
  ASSERT_FALSE(tty->enable_raw_mode());
  pty.write("\x1b");
  // poll itself wakes when the window closes, or the loop would never see the key.
  EXPECT_EQ(read_events(1), std::vector<Event>{key(Key::Esc)});
}

TEST_F(TtyTest, OnlyOneTtyAtATime) {
  Pty other;
  const Result<Tty> second = Tty::open(other.path);
  EXPECT_FALSE(second.value);
  EXPECT_EQ(second.error, std::errc::device_or_resource_busy);
}

TEST(Tty, OpeningSomethingThatIsNotATerminalFails) {
  const Result<Tty> not_tty = Tty::open("/dev/null");
  EXPECT_FALSE(not_tty.value);
  EXPECT_EQ(not_tty.error, std::errc::inappropriate_io_control_operation);
  const Result<Tty> missing = Tty::open("/nonexistent/tty");
  EXPECT_FALSE(missing.value);
  EXPECT_EQ(missing.error, std::errc::no_such_file_or_directory);
}

}  // namespace
}  // namespace orvane::term

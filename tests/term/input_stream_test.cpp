#include "term/input_stream.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "events.hpp"

namespace orvane::term {
namespace {

using namespace test;
using namespace std::chrono_literals;
using Instant = InputStream::Instant;

const Instant t0{};

TEST(InputStream, LoneEscBecomesEscAfterTheTimeout) {
  InputStream stream;
  stream.feed("\x1b", t0);
  EXPECT_FALSE(stream.has_event());
  EXPECT_EQ(stream.deadline(), t0 + 25ms);
  stream.expire(t0 + 24ms);
  EXPECT_FALSE(stream.has_event());
  stream.expire(t0 + 25ms);
  EXPECT_EQ(drain(stream), std::vector<Event>{key(Key::Esc)});
  EXPECT_EQ(stream.deadline(), std::nullopt);
}

TEST(InputStream, EscFollowedWithinTheWindowStartsASequence) {
  InputStream stream;
  stream.feed("\x1b", t0);
  stream.feed("[", t0 + 20ms);
  // The window restarts with every byte that leaves the sequence unfinished.
  stream.expire(t0 + 30ms);
  EXPECT_FALSE(stream.has_event());
  stream.feed("1;5A", t0 + 40ms);
  EXPECT_EQ(drain(stream), std::vector<Event>{key(Key::Up, kCtrl)});
  stream.expire(t0 + 1s);
  EXPECT_FALSE(stream.has_event());
}

TEST(InputStream, UnfinishedSequenceIsDroppedAfterTheTimeout) {
  InputStream stream;
  stream.feed("\x1b[1;", t0);
  stream.expire(t0 + 25ms);
  EXPECT_FALSE(stream.has_event());
  // Later bytes start afresh instead of completing the dropped sequence.
  stream.feed("x", t0 + 30ms);
  EXPECT_EQ(drain(stream), std::vector<Event>{ch('x')});
}

TEST(InputStream, PasteIsNeverCutShortByTheTimeout) {
  InputStream stream;
  stream.feed("\x1b[200~abc", t0);
  EXPECT_EQ(stream.deadline(), std::nullopt);
  stream.expire(t0 + 10s);
  EXPECT_FALSE(stream.has_event());
  stream.feed("\x1b", t0 + 11s);
  stream.expire(t0 + 12s);
  EXPECT_FALSE(stream.has_event());
  stream.feed("[201~\x1b", t0 + 13s);
  EXPECT_EQ(drain(stream), std::vector<Event>{paste("abc")});
  stream.expire(t0 + 14s);
  EXPECT_EQ(drain(stream), std::vector<Event>{key(Key::Esc)});
}

// Eight megabytes in 4 KiB reads: rescanning from the start on every read would take
// billions of steps.
TEST(InputStream, HugePasteOverManyReadsIsOneEvent) {
  std::string text;
  const std::string line = "line with \xe2\x82\xac and \x1b[A inside\r\n";
  while (text.size() < 8 * 1024 * 1024) text += line;
  const std::string bytes = "k\x1b[200~" + text + "\x1b[201~z";

  InputStream stream;
  std::vector<Event> events;
  constexpr std::size_t kRead = 4096 + 3;  // odd size, so the end marker straddles two reads
  for (std::size_t offset = 0; offset < bytes.size(); offset += kRead) {
    stream.feed(std::string_view(bytes).substr(offset, kRead), t0);
    for (Event& event : drain(stream)) events.push_back(std::move(event));
  }
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0], ch('k'));
  ASSERT_TRUE(std::holds_alternative<PasteEvent>(events[1]));
  EXPECT_TRUE(std::get<PasteEvent>(events[1]).text == text);
  EXPECT_EQ(events[2], ch('z'));
}

TEST(InputStream, ManySmallEventsInOneRead) {
  std::string bytes;
  std::vector<Event> expected;
  for (int i = 0; i < 10000; ++i) {
    bytes += "\x1b[<35;3;4M";
    expected.push_back(mouse(MouseKind::Moved, MouseButton::Left, 2, 3));
  }
  bytes += "\x1b[";
  InputStream stream;
  stream.feed(bytes, t0);
  EXPECT_EQ(drain(stream), expected);
  stream.feed("B", t0);
  EXPECT_EQ(drain(stream), std::vector<Event>{key(Key::Down)});
}

}  // namespace
}  // namespace orvane::term

#include "term/decode.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "events.hpp"
#include "term/input_stream.hpp"

namespace orvane::term {

// Readable failures for whole decoder results.
void PrintTo(const NeedMore&, std::ostream* out) {
  *out << "NeedMore";
}
void PrintTo(const Invalid& invalid, std::ostream* out) {
  *out << "Invalid(" << invalid.length << ')';
}
void PrintTo(const Decoded& decoded, std::ostream* out) {
  *out << "Decoded(" << decoded.event << ", " << decoded.length << ')';
}

namespace {

using namespace test;
using namespace std::string_literals;
using MK = MouseKind;
using MB = MouseButton;

struct Row {
  std::string bytes;
  std::vector<Event> events;
};

// Complete input: every byte belongs to an event or to garbage that is dropped whole.
const std::vector<Row>& rows() {
  static const std::vector<Row> table = {
      // Text, C0 controls, Alt as an ESC prefix.
      {"a", {ch('a')}},
      {"A", {ch('A')}},
      {" ~", {ch(' '), ch('~')}},
      {"\xc3\xa9", {ch(U'é')}},
      {"\xe2\x82\xac", {ch(U'€')}},
      {"\xf0\x9f\x98\x80", {ch(U'😀')}},
      {"a€b", {ch('a'), ch(U'€'), ch('b')}},
      {"\xef\xbf\xbd", {ch(0xfffd)}},
      {"\r", {key(Key::Enter)}},
      {"\n", {ch('j', kCtrl)}},
      {"\t", {key(Key::Tab)}},
      {"\x7f", {key(Key::Backspace)}},
      {"\x08", {key(Key::Backspace)}},
      {"\0"s, {ch(' ', kCtrl)}},
      {"\x01", {ch('a', kCtrl)}},
      {"\x11", {ch('q', kCtrl)}},
      {"\x1a", {ch('z', kCtrl)}},
      {"\x1c\x1d\x1e\x1f", {ch('\\', kCtrl), ch(']', kCtrl), ch('^', kCtrl), ch('_', kCtrl)}},
      {"\033a", {ch('a', kAlt)}},
      {"\033A", {ch('A', kAlt)}},
      {"\x1b\xc3\xa9", {ch(U'é', kAlt)}},
      {"\x1b\r", {key(Key::Enter, kAlt)}},
      {"\x1b\x7f", {key(Key::Backspace, kAlt)}},
      {"\x1b\x01", {ch('a', kCtrl | kAlt)}},
      {"\x1b\x1b[A", {key(Key::Esc), key(Key::Up)}},
      // CSI and SS3 cursor, editing and function keys.
      {"\x1b[A\x1b[B\x1b[C\x1b[D", {key(Key::Up), key(Key::Down), key(Key::Right), key(Key::Left)}},
      {"\x1b[H\x1b[F", {key(Key::Home), key(Key::End)}},
      {"\x1bOA\x1bOB\x1bOC\x1bOD", {key(Key::Up), key(Key::Down), key(Key::Right), key(Key::Left)}},
      {"\x1bOH\x1bOF\x1bOM", {key(Key::Home), key(Key::End), key(Key::Enter)}},
      {"\x1bOP\x1bOQ\x1bOR\x1bOS", {fn(1), fn(2), fn(3), fn(4)}},
      {"\x1bO5P", {fn(1, kCtrl)}},
      {"\x1b[1;5A", {key(Key::Up, kCtrl)}},
      {"\x1b[1;2B", {key(Key::Down, kShift)}},
      {"\x1b[1;3C", {key(Key::Right, kAlt)}},
      {"\x1b[1;8D", {key(Key::Left, kCtrl | kAlt | kShift)}},
      {"\x1b[1;9A", {key(Key::Up)}},            // meta alone is not a modifier here
      {"\x1b[1;13H", {key(Key::Home, kCtrl)}},  // meta+ctrl
      {"\x1b[1~\x1b[2~\x1b[3~\x1b[4~",
       {key(Key::Home), key(Key::Insert), key(Key::Delete), key(Key::End)}},
      {"\x1b[5~\x1b[6~\x1b[7~\x1b[8~",
       {key(Key::PageUp), key(Key::PageDown), key(Key::Home), key(Key::End)}},
      {"\x1b[3;5~", {key(Key::Delete, kCtrl)}},
      {"\x1b[11~\x1b[12~\x1b[13~\x1b[14~", {fn(1), fn(2), fn(3), fn(4)}},
      {"\x1b[15~\x1b[17~\x1b[18~\x1b[19~", {fn(5), fn(6), fn(7), fn(8)}},
      {"\x1b[20~\x1b[21~\x1b[23~\x1b[24~", {fn(9), fn(10), fn(11), fn(12)}},
      {"\x1b[1;5P\x1b[1;2Q\x1b[1;3R\x1b[1;6S",
       {fn(1, kCtrl), fn(2, kShift), fn(3, kAlt), fn(4, kCtrl | kShift)}},
      {"\x1b[15;2~\x1b[24;5~", {fn(5, kShift), fn(12, kCtrl)}},
      {"\x1b[Z", {key(Key::BackTab, kShift)}},
      // kitty keyboard protocol.
      {"\x1b[97;5u", {ch('a', kCtrl)}},
      {"\x1b[105;5u", {ch('i', kCtrl)}},
      {"\x1b[13u", {key(Key::Enter)}},
      {"\x1b[13;2u", {key(Key::Enter, kShift)}},
      {"\x1b[13;5u", {key(Key::Enter, kCtrl)}},
      {"\x1b[13;7u", {key(Key::Enter, kCtrl | kAlt)}},
      {"\x1b[27u", {key(Key::Esc)}},
      {"\x1b[27;1:3u", {key(Key::Esc, kNone, KeyKind::Release)}},
      {"\x1b[127;3u", {key(Key::Backspace, kAlt)}},
      {"\x1b[9u", {key(Key::Tab)}},
      {"\x1b[9;2u", {key(Key::BackTab, kShift)}},
      {"\x1b[32;5u", {ch(' ', kCtrl)}},
      {"\x1b[233u", {ch(U'é')}},
      {"\x1b[97;5:1u\x1b[97;5:2u\x1b[97;5:3u",
       {ch('a', kCtrl), ch('a', kCtrl, KeyKind::Repeat), ch('a', kCtrl, KeyKind::Release)}},
      {"\x1b[97:65;6u", {ch('a', kCtrl | kShift)}},
      {"\x1b[97:65:97;6u", {ch('a', kCtrl | kShift)}},
      {"\x1b[97;5;97u", {ch('a', kCtrl)}},
      {"\x1b[97;69u\x1b[97;133u", {ch('a', kCtrl), ch('a', kCtrl)}},  // caps lock, num lock
      {"\x1b[97;9u", {ch('a')}},                                      // super
      {"\x1b[57376u\x1b[57398;5u", {fn(13), fn(35, kCtrl)}},
      {"\x1b[57399u\x1b[57409u\x1b[57413u", {ch('0'), ch('.'), ch('+')}},
      {"\x1b[57414u\x1b[57417;2u\x1b[57426u",
       {key(Key::Enter), key(Key::Left, kShift), key(Key::Delete)}},
      {"\x1b[1;5:2A", {key(Key::Up, kCtrl, KeyKind::Repeat)}},
      {"\x1b[3;1:3~", {key(Key::Delete, kNone, KeyKind::Release)}},
      {"\x1b[1;1:3P", {fn(1, kNone, KeyKind::Release)}},
      {"\x1b[5;3:2~", {key(Key::PageUp, kAlt, KeyKind::Repeat)}},
      // xterm modifyOtherKeys.
      {"\x1b[27;5;13~", {key(Key::Enter, kCtrl)}},
      {"\x1b[27;2;13~", {key(Key::Enter, kShift)}},
      {"\x1b[27;7;13~", {key(Key::Enter, kCtrl | kAlt)}},
      {"\x1b[27;5;105~", {ch('i', kCtrl)}},
      {"\x1b[27;2;9~", {key(Key::BackTab, kShift)}},
      {"\x1b[27;6;65~", {ch('A', kCtrl | kShift)}},
      // SGR mouse.
      {"\x1b[<0;1;1M", {mouse(MK::Down, MB::Left, 0, 0)}},
      {"\x1b[<0;10;5m", {mouse(MK::Up, MB::Left, 9, 4)}},
      {"\x1b[<1;3;4M\x1b[<1;3;4m",
       {mouse(MK::Down, MB::Middle, 2, 3), mouse(MK::Up, MB::Middle, 2, 3)}},
      {"\x1b[<2;3;4M\x1b[<2;3;4m",
       {mouse(MK::Down, MB::Right, 2, 3), mouse(MK::Up, MB::Right, 2, 3)}},
      {"\x1b[<32;5;6M\x1b[<34;5;6M",
       {mouse(MK::Drag, MB::Left, 4, 5), mouse(MK::Drag, MB::Right, 4, 5)}},
      {"\x1b[<35;7;8M", {mouse(MK::Moved, MB::Left, 6, 7)}},
      {"\x1b[<64;2;3M\x1b[<65;2;3M\x1b[<66;2;3M\x1b[<67;2;3M",
       {mouse(MK::ScrollUp, MB::Left, 1, 2), mouse(MK::ScrollDown, MB::Left, 1, 2),
        mouse(MK::ScrollLeft, MB::Left, 1, 2), mouse(MK::ScrollRight, MB::Left, 1, 2)}},
      {"\x1b[<4;1;1M\x1b[<8;1;1M\x1b[<16;1;1M",
       {mouse(MK::Down, MB::Left, 0, 0, kShift), mouse(MK::Down, MB::Left, 0, 0, kAlt),
        mouse(MK::Down, MB::Left, 0, 0, kCtrl)}},
      {"\x1b[<81;1;1M", {mouse(MK::ScrollDown, MB::Left, 0, 0, kCtrl)}},
      {"\x1b[<48;300;200M", {mouse(MK::Drag, MB::Left, 299, 199, kCtrl)}},
      {"\x1b[<0;70000;0M", {mouse(MK::Down, MB::Left, 65535, 0)}},
      // urxvt 1015 and X10 mouse: the button is offset by 32, X10 coordinates too.
      {"\x1b[32;10;5M", {mouse(MK::Down, MB::Left, 9, 4)}},
      {"\x1b[35;10;5M", {mouse(MK::Up, MB::Left, 9, 4)}},
      {"\x1b[66;10;5M", {mouse(MK::Drag, MB::Right, 9, 4)}},
      {"\x1b[67;1;1M", {mouse(MK::Moved, MB::Left, 0, 0)}},
      {"\x1b[96;1;1M", {mouse(MK::ScrollUp, MB::Left, 0, 0)}},
      {"\x1b[M !!", {mouse(MK::Down, MB::Left, 0, 0)}},
      {"\x1b[M#*+", {mouse(MK::Up, MB::Left, 9, 10)}},
      {"\x1b[MC*+", {mouse(MK::Moved, MB::Left, 9, 10)}},
      {"\x1b[Ma!!", {mouse(MK::ScrollDown, MB::Left, 0, 0)}},
      {"\x1b[M\"\xff\xff", {mouse(MK::Down, MB::Right, 222, 222)}},
      // Bracketed paste: everything between the markers, escape sequences included.
      {"\x1b[200~hello\x1b[201~", {paste("hello")}},
      {"\x1b[200~\x1b[201~", {paste("")}},
      {"\x1b[200~a\x1b[Ab\r\n\x03\x1b[200~\x1b[201~x",
       {paste("a\x1b[Ab\r\n\x03\x1b[200~"), ch('x')}},
      {"\x1b[200~\xe2\x82\xac\xff\x1b[201~", {paste("\xe2\x82\xac\xef\xbf\xbd")}},
      // Focus.
      {"\x1b[I\x1b[O", {FocusEvent{true}, FocusEvent{false}}},
      // Unknown or malformed sequences vanish whole; what follows them still decodes.
      {"\x1b[99Xz", {ch('z')}},
      {"\x1b[1;5Xz", {ch('z')}},
      {"\x1b[?1;2cz", {ch('z')}},         // device attributes report
      {"\x1b[12;40Rz", {ch('z')}},        // cursor position report
      {"\x1b[?1uz", {ch('z')}},           // keyboard flags report
      {"\x1b[201~z", {ch('z')}},          // stray paste end
      {"\x1b[1;5:9Az", {ch('z')}},        // unknown event type
      {"\x1b[99999999999Az", {ch('z')}},  // parameter overflow
      {"\x1b[1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17Az", {ch('z')}},
      {"\x1b[1:2:3:4:5Az", {ch('z')}},
      {"\x1b[1 Az", {ch('z')}},                             // intermediate byte
      {"\x1b[1<Az", {ch('z')}},                             // private marker out of place
      {"\x1b[E\x1b[57427uz", {ch('z')}},                    // keypad Begin has no key code
      {"\x1b[57358u\x1b[57441;2u\x1b[57428uz", {ch('z')}},  // caps lock, left shift, media
      {"\x1b[55296u\x1b[1114112u\x1b[5u\x1b[uz", {ch('z')}},
      {"\x1b[27;5~\x1b[27;5;57441~z", {ch('z')}},
      {"\x1b[<0;1Mz", {ch('z')}},
      {"\x1b[<0;1;1Xz", {ch('z')}},
      {"\x1b[<;1;1Mz", {ch('z')}},
      {"\x1b[<128;1;1Mz", {ch('z')}},  // extra buttons
      {"\x1b[<64;1;1mz", {ch('z')}},   // wheel "release"
      {"\x1b[1;2;3Mz", {ch('z')}},     // urxvt button below 32
      {"\x1b[M\x1f!!z", {ch('z')}},    // X10 byte below 32
      {"\x1b[>1Iz\x1b[1Iz", {ch('z'), ch('z')}},
      {"\x1bOxz\x1bO123Az", {ch('z'), ch('z')}},
      {"\x1b[1;5\x1b[B", {key(Key::Down)}},  // cut short by the next sequence
      {"\x1b[1\x03z", {ch('z')}},            // broken by a control byte
      {"\x1b[1\xc3\xa9z", {ch('z')}},        // broken by a non-ASCII byte
      // Invalid UTF-8 is dropped byte by byte, keeping what follows.
      {"\xff\xfe\xc0\xc1\xf5z", {ch('z')}},
      {"a\200\277b", {ch('a'), ch('b')}},
      {"\xe2\x28", {ch('(')}},
      {"\xe2\x82(", {ch('(')}},
      {"\xc0\xaf\xe0\x80\xaf", {}},  // overlong
      {"\xed\xa0\x80", {}},          // surrogate
      {"\xf4\x90\x80\x80", {}},      // past U+10FFFF
      {"\033\377a", {ch('a')}},
  };
  return table;
}

// Rows whose end only the Esc timeout resolves.
const std::vector<Row>& timeout_rows() {
  static const std::vector<Row> table = {
      {"\x1b", {key(Key::Esc)}},
      {"a\x1b", {ch('a'), key(Key::Esc)}},
      {"\x1b\x1b", {key(Key::Esc), key(Key::Esc)}},
      {"\x1b[", {ch('[', kAlt)}},
      {"\x1bO", {ch('O', kAlt)}},
      {"\x1b[1;5", {}},
      {"\x1b[<0;1;", {}},
      {"\x1b[M !", {}},
      {"z\xe2\x82", {ch('z')}},
      {"\x1b\xf0\x9f", {}},
  };
  return table;
}

std::string printable(const std::string& bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c < 0x20 || c >= 0x7f) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02x", c);
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

// Decodes complete input with the pure decoder alone.
std::vector<Event> decode_all(std::string_view bytes) {
  std::vector<Event> events;
  while (!bytes.empty()) {
    const Decoding decoding = decode(bytes);
    if (std::holds_alternative<NeedMore>(decoding)) {
      ADD_FAILURE() << "needs more at \"" << printable(std::string(bytes)) << '"';
      break;
    }
    std::size_t length = 0;
    if (const auto* invalid = std::get_if<Invalid>(&decoding)) {
      length = invalid->length;
    } else {
      const auto& decoded = std::get<Decoded>(decoding);
      events.push_back(decoded.event);
      length = decoded.length;
    }
    if (length == 0 || length > bytes.size()) {
      ADD_FAILURE() << "bad length " << length;
      break;
    }
    bytes.remove_prefix(length);
  }
  return events;
}

using Instant = InputStream::Instant;
const Instant kStart{};
const Instant kLater = kStart + std::chrono::seconds(1);

std::vector<Event> stream_pieces(const std::vector<std::string_view>& pieces) {
  InputStream stream;
  std::vector<Event> events;
  for (std::string_view piece : pieces) {
    stream.feed(piece, kStart);
    for (Event& event : drain(stream)) events.push_back(std::move(event));
  }
  stream.expire(kLater);
  for (Event& event : drain(stream)) events.push_back(std::move(event));
  return events;
}

// Whole, split in two at every boundary, and one byte at a time: always the same events.
void expect_stream(const Row& row) {
  const std::string_view bytes = row.bytes;
  EXPECT_EQ(stream_pieces({bytes}), row.events) << "whole";
  for (std::size_t cut = 1; cut < bytes.size(); ++cut) {
    EXPECT_EQ(stream_pieces({bytes.substr(0, cut), bytes.substr(cut)}), row.events)
        << "split at " << cut;
  }
  std::vector<std::string_view> single;
  for (std::size_t i = 0; i < bytes.size(); ++i) single.push_back(bytes.substr(i, 1));
  EXPECT_EQ(stream_pieces(single), row.events) << "byte by byte";
}

TEST(Decode, RowsDecodeToTheirEvents) {
  for (const Row& row : rows()) {
    SCOPED_TRACE("bytes \"" + printable(row.bytes) + "\"");
    EXPECT_EQ(decode_all(row.bytes), row.events);
  }
}

TEST(Decode, RowsStreamToTheSameEventsHoweverSplit) {
  for (const Row& row : rows()) {
    SCOPED_TRACE("bytes \"" + printable(row.bytes) + "\"");
    expect_stream(row);
  }
}

TEST(Decode, UnfinishedInputWaitsForMoreBytes) {
  for (const Row& row : timeout_rows()) {
    SCOPED_TRACE("bytes \"" + printable(row.bytes) + "\"");
    std::string_view bytes = row.bytes;
    // Skip the complete events at the front; what is left must wait.
    Decoding decoding = decode(bytes);
    while (const auto* decoded = std::get_if<Decoded>(&decoding)) {
      bytes.remove_prefix(decoded->length);
      decoding = decode(bytes);
    }
    EXPECT_TRUE(std::holds_alternative<NeedMore>(decoding));
    expect_stream(row);
  }
}

TEST(Decode, OverlongSequenceInOneReadIsDroppedWhole) {
  const std::string bytes = "\x1b[" + std::string(300, '1') + "A";
  EXPECT_EQ(decode(bytes), Decoding{Invalid{bytes.size()}});
  // Still unfinished after that many bytes: drop what arrived rather than buffer forever.
  const std::string unfinished = "\x1b[" + std::string(300, '1');
  EXPECT_EQ(decode(unfinished), Decoding{Invalid{unfinished.size()}});
}

TEST(Decode, LengthCoversExactlyOneEvent) {
  EXPECT_EQ(decode("\x1b[1;5Ax"), (Decoding{Decoded{key(Key::Up, kCtrl), 6}}));
  EXPECT_EQ(decode("\x1b[200~ab\x1b[201~c"), (Decoding{Decoded{paste("ab"), 14}}));
  EXPECT_EQ(decode("\x1b[200~ab\x1b[201"), Decoding{NeedMore{}});
  EXPECT_EQ(decode("\xe2\x82\xac!"), (Decoding{Decoded{ch(U'€'), 3}}));
}

}  // namespace
}  // namespace orvane::term

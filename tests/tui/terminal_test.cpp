#include "tui/terminal.hpp"

#include <gtest/gtest.h>

#include <string>
#include <system_error>
#include <vector>

#include "tui/escape.hpp"

namespace orvane::tui {
namespace {

constexpr std::string_view kBegin = "\x1b[?2026h";
constexpr std::string_view kEnd = "\x1b[?2026l";
constexpr std::string_view kHide = "\x1b[?25l";
const std::string kUnchanged = std::string(kBegin) + std::string(kHide) + std::string(kEnd);

std::string framed(std::string_view body) {
  return std::string(kBegin) + std::string(body) + std::string(kHide) + std::string(kEnd);
}

// A terminal whose frames are kept, and whose sink fails while `failing` is set.
struct Recorder {
  std::vector<std::string> frames;
  bool failing = false;
  Terminal terminal;

  Recorder(std::uint16_t width, std::uint16_t height)
      : terminal(
            [this](std::string_view bytes) {
              frames.emplace_back(bytes);
              return failing ? std::make_error_code(std::errc::io_error) : std::error_code{};
            },
            width, height) {}

  const std::string& draw(const std::function<void(Frame&)>& render) {
    EXPECT_EQ(terminal.draw(render), std::error_code{});
    return frames.back();
  }
  const std::string& draw_text(std::uint16_t x, std::uint16_t y, std::string_view text,
                               Style style = {}) {
    return draw([&](Frame& f) { f.buffer.set_string(x, y, text, style); });
  }
};

TEST(Terminal, FirstFrameClearsAndWritesEveryCell) {
  Recorder r(4, 2);
  EXPECT_EQ(r.draw_text(0, 0, "ab"), framed("\x1b[0m\x1b[2J\x1b[1;1Hab  \x1b[2;1H    "));
}

TEST(Terminal, WritesOnlyChangedCells) {
  Recorder r(6, 3);
  r.draw_text(0, 0, "abc");
  EXPECT_EQ(r.draw_text(0, 0, "abc"), kUnchanged);
  // One cell.
  EXPECT_EQ(r.draw([](Frame& f) {
    f.buffer.set_string(0, 0, "abc", {});
    f.buffer.set_string(4, 2, "x", {});
  }),
            framed("\x1b[3;5Hx"));
  // Neighbouring cells need no cursor move between them; a gap or a new row does.
  EXPECT_EQ(r.draw([](Frame& f) {
    f.buffer.set_string(0, 0, "aXY", {});
    f.buffer.set_string(5, 0, "Z", {});
    f.buffer.set_string(0, 1, "W", {});
  }),
            framed("\x1b[1;2HXY\x1b[1;6HZ\x1b[2;1HW\x1b[3;5H "));
}

TEST(Terminal, StylesAreWrittenWhenThePenChangesAndResetAtTheEnd) {
  Recorder r(6, 1);
  r.draw_text(0, 0, "");
  const Style red = Style{}.with_fg(Named::Red);
  EXPECT_EQ(r.draw([&](Frame& f) {
    f.buffer.set_string(0, 0, "ab", red);
    f.buffer.set_string(2, 0, "c", Style{}.with_fg(rgb(1, 2, 3)).with_add(Modifier::Bold));
    f.buffer.set_string(3, 0, "d", {});
  }),
            framed("\x1b[1;1H\x1b[31mab\x1b[1;38;2;1;2;3mc\x1b[0md"));
}

TEST(Terminal, ShowsTheCursorWhereTheFrameSetIt) {
  Recorder r(4, 2);
  r.draw_text(0, 0, "");
  const std::string shown = std::string(kBegin) + "\x1b[2;3H\x1b[?25h" + std::string(kEnd);
  EXPECT_EQ(r.draw([](Frame& f) { f.cursor = Position{2, 1}; }), shown);
  EXPECT_EQ(r.draw([](Frame&) {}), kUnchanged);
  // A cursor outside the screen is hidden.
  EXPECT_EQ(r.draw([](Frame& f) { f.cursor = Position{4, 0}; }), kUnchanged);
}

TEST(Terminal, WideCharactersAndWhatReplacesThem) {
  Recorder r(4, 1);
  r.draw_text(0, 0, "ab");
  // The covered cell is not written.
  EXPECT_EQ(r.draw_text(0, 0, "\u4E2D"), framed("\x1b[1;1H\u4E2D"));
  // Both cells of a replaced wide character are written again.
  EXPECT_EQ(r.draw_text(0, 0, "ab"), framed("\x1b[1;1Hab"));
  EXPECT_EQ(r.draw_text(0, 0, "a\u4E2D"), framed("\x1b[1;2H\u4E2D"));
  // The cursor stands two columns on after a wide character.
  EXPECT_EQ(r.draw_text(0, 0, "a\u65E5x"), framed("\x1b[1;2H\u65E5x"));
}

TEST(Terminal, CursorIsPlacedAgainAfterAMultiCodePointCluster) {
  Recorder r(4, 1);
  r.draw_text(0, 0, "");
  EXPECT_EQ(r.draw_text(0, 0, "e\u0301x"), framed("\x1b[1;1He\u0301\x1b[1;2Hx"));
}

TEST(Terminal, ResizeWritesTheNextFrameWhole) {
  Recorder r(4, 1);
  r.draw_text(0, 0, "ab");
  r.terminal.resize(3, 2);
  EXPECT_EQ(r.terminal.area(), (Rect{0, 0, 3, 2}));
  EXPECT_EQ(r.draw_text(0, 0, "ab"), framed("\x1b[0m\x1b[2J\x1b[1;1Hab \x1b[2;1H   "));
  EXPECT_EQ(r.draw_text(0, 0, "ab"), kUnchanged);
}

TEST(Terminal, AFailedWriteIsReportedAndTheNextFrameIsWhole) {
  Recorder r(2, 1);
  r.draw_text(0, 0, "ab");
  r.failing = true;
  EXPECT_EQ(r.terminal.draw([](Frame& f) { f.buffer.set_string(0, 0, "xy", {}); }),
            std::make_error_code(std::errc::io_error));
  r.failing = false;
  EXPECT_EQ(r.draw_text(0, 0, "xy"), framed("\x1b[0m\x1b[2J\x1b[1;1Hxy"));
}

TEST(Terminal, EachFrameReachesTheSinkOnce) {
  Recorder r(3, 3);
  for (int i = 0; i < 3; ++i) r.draw_text(0, static_cast<std::uint16_t>(i), "abc");
  EXPECT_EQ(r.frames.size(), 3u);
}

// Every control byte the terminal writes starts one of its own CSI sequences.
void expect_only_own_sequences(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte == 0x1b) {
      EXPECT_EQ(bytes.substr(i + 1, 1), "[") << "ESC not starting a CSI at byte " << i;
    } else {
      EXPECT_FALSE(byte < 0x20 || byte == 0x7f) << "control byte " << int{byte} << " at " << i;
      // A C1 control in UTF-8 is C2 80–9F.
      if (byte == 0xc2 && i + 1 < bytes.size()) {
        const auto next = static_cast<unsigned char>(bytes[i + 1]);
        EXPECT_FALSE(next >= 0x80 && next <= 0x9f) << "C1 control at " << i;
      }
    }
  }
}

TEST(Terminal, TextCannotReachTheTerminalAsACommand) {
  const std::string clipboard = "\x1b]52;c;SGVsbG8=\x07";
  Recorder r(30, 2);
  const std::string& written = r.draw([&](Frame& f) {
    f.buffer.set_string(0, 0, "title " + clipboard, {});
    // Symbols put into cells directly are checked again when written.
    f.buffer.at(0, 1).symbol = clipboard;
    f.buffer.at(1, 1).symbol = "\u009b31m";
    f.buffer.at(2, 1).symbol = "\x9b";
    f.buffer.at(3, 1).symbol = "\x7f";
    f.buffer.at(4, 1).symbol = "z";
  });
  expect_only_own_sequences(written);
  EXPECT_NE(written.find("title ]52;c;SGVsbG8="), std::string::npos);
  EXPECT_NE(written.find("\x1b[2;1H    z"), std::string::npos);
}

TEST(Terminal, AReplacedWideSymbolFillsBothColumns) {
  Recorder r(3, 1);
  r.draw_text(0, 0, "");
  EXPECT_EQ(r.draw([](Frame& f) {
    f.buffer.set_string(0, 0, "\u4E2Dx", {});
    f.buffer.at(0, 0).symbol = "\x1b";
  }),
            framed("\x1b[1;1H  x"));
}

struct SgrCase {
  const char* name;
  Pen from;
  Pen to;
  std::string bytes;
};

TEST(Escape, SgrWritesTheShorterOfChangesAndReset) {
  const Pen plain;
  const Pen bold{.modifiers = Modifier::Bold};
  const SgrCase cases[] = {
      {"same pen", bold, bold, ""},
      {"add bold", plain, bold, "\x1b[1m"},
      {"drop bold: reset is shorter than 22", bold, plain, "\x1b[0m"},
      {"drop one of two", Pen{.modifiers = Modifier::Bold | Modifier::Italic}, bold, "\x1b[23m"},
      {"drop italic and colour: reset and bold",
       Pen{.fg = Named::Red, .modifiers = Modifier::Bold | Modifier::Italic}, bold, "\x1b[0;1m"},
      {"modifier codes", plain,
       Pen{.modifiers =
               Modifier::Italic | Modifier::Underlined | Modifier::CrossedOut | Modifier::Reversed},
       "\x1b[3;4;9;7m"},
      {"modifier resets",
       Pen{.fg = Rgb{1, 2, 3},
           .modifiers = Modifier::Underlined | Modifier::CrossedOut | Modifier::Reversed},
       Pen{.fg = Rgb{1, 2, 3}}, "\x1b[24;29;27m"},
      {"named colours", plain, Pen{.fg = Named::LightRed, .bg = Named::Gray}, "\x1b[91;47m"},
      {"bright background", plain, Pen{.fg = Named::Black, .bg = Named::White}, "\x1b[30;107m"},
      {"rgb colours", plain, Pen{.fg = Rgb{1, 2, 3}, .bg = Rgb{255, 0, 10}},
       "\x1b[38;2;1;2;3;48;2;255;0;10m"},
      {"default colours",
       Pen{.fg = Named::Red,
           .bg = Named::Blue,
           .modifiers = Modifier::Bold | Modifier::Italic | Modifier::Underlined},
       Pen{.modifiers = Modifier::Bold | Modifier::Italic | Modifier::Underlined}, "\x1b[39;49m"},
      {"underline colour", plain, Pen{.underline = Rgb{7, 8, 9}}, "\x1b[58:2::7:8:9m"},
      {"named underline colour", plain, Pen{.underline = Named::Red}, "\x1b[58:5:1m"},
      {"underline colour back to default",
       Pen{.underline = Rgb{7, 8, 9}, .modifiers = Modifier::Underlined},
       Pen{.modifiers = Modifier::Underlined}, "\x1b[59m"},
      {"long changes are split at 16 parameters", plain,
       Pen{.fg = Rgb{1, 2, 3},
           .bg = Rgb{4, 5, 6},
           .underline = Rgb{7, 8, 9},
           .modifiers = Modifier::Bold | Modifier::Italic | Modifier::Underlined |
                        Modifier::CrossedOut | Modifier::Reversed},
       "\x1b[1;3;4;9;7;38;2;1;2;3;48;2;4;5;6m\x1b[58:2::7:8:9m"},
  };
  for (const SgrCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string out;
    append_sgr(out, c.from, c.to);
    EXPECT_EQ(out, c.bytes);
  }
}

}  // namespace
}  // namespace orvane::tui

// The bytes of the terminal object, fed to a terminal emulator, must show exactly the buffer
// that was drawn: text, colours, modifiers and the cursor.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "support/buffer_rows.hpp"
#include "support/vterm_screen.hpp"
#include "tui/buffer.hpp"
#include "tui/terminal.hpp"

namespace orvane::tui {
namespace {

std::string color_text(const Color& color) {
  if (std::holds_alternative<Reset>(color)) return "reset";
  if (const auto* named = std::get_if<Named>(&color))
    return "named" + std::to_string(static_cast<int>(*named));
  const Rgb rgb = std::get<Rgb>(color);
  char hex[8];
  std::snprintf(hex, sizeof hex, "#%02x%02x%02x", rgb.r, rgb.g, rgb.b);
  return hex;
}

std::string look(const Color& fg, const Color& bg, Modifier modifiers) {
  return "fg=" + color_text(fg) + " bg=" + color_text(bg) +
         " modifiers=" + std::to_string(static_cast<int>(modifiers));
}

// A terminal object writing into an emulated terminal of the same size.
class Emulated {
 public:
  Emulated(std::uint16_t width, std::uint16_t height)
      : screen_(width, height),
        terminal_(
            [this](std::string_view bytes) {
              screen_.feed(bytes);
              return std::error_code{};
            },
            width, height) {}

  // Draws one frame and checks that the emulated screen shows it.
  void draw(const std::function<void(Frame&)>& paint) {
    Buffer drawn;
    std::optional<Position> cursor;
    ASSERT_EQ(terminal_.draw([&](Frame& frame) {
      paint(frame);
      drawn = frame.buffer;
      cursor = frame.cursor;
    }),
              std::error_code{});
    expect_shows(drawn, cursor);
  }

  void resize(std::uint16_t width, std::uint16_t height) {
    terminal_.resize(width, height);
    screen_.resize(width, height);
  }

  const test::VtermScreen& screen() const { return screen_; }

 private:
  void expect_shows(const Buffer& drawn, std::optional<Position> cursor) const {
    ASSERT_EQ(screen_.rows(), test::buffer_rows(drawn));
    std::string mismatches;
    int count = 0;
    const Rect area = drawn.area();
    for (std::uint16_t y = 0; y < area.height; ++y) {
      for (std::uint16_t x = 0; x < area.width; ++x) {
        const Cell& want = drawn.at(x, y);
        const test::VtermCell got = screen_.cell(x, y);
        if (want.skip != got.covered) {
          mismatches +=
              "(" + std::to_string(x) + ", " + std::to_string(y) + ") covered half differs\n";
          ++count;
          continue;
        }
        if (want.skip) continue;
        const std::string wanted = look(want.fg, want.bg, want.modifiers);
        const std::string shown = look(got.fg, got.bg, got.modifiers);
        if (wanted != shown && count++ < 10) {
          mismatches += "(" + std::to_string(x) + ", " + std::to_string(y) + ") " +
                        std::string(want.shown()) + ": want " + wanted + ", shown " + shown + "\n";
        }
      }
    }
    EXPECT_EQ(count, 0) << mismatches;
    if (cursor) {
      EXPECT_TRUE(screen_.cursor_visible());
      EXPECT_EQ(screen_.cursor(), *cursor);
    } else {
      EXPECT_FALSE(screen_.cursor_visible());
    }
    EXPECT_EQ(screen_.commands(), std::vector<std::string>{});
  }

  test::VtermScreen screen_;
  Terminal terminal_;
};

const Style kRed = Style{}.with_fg(Named::Red);
const Style kBlueOnGrey = Style{}.with_fg(rgb(30, 60, 200)).with_bg(rgb(40, 40, 40));
const Style kLoud = Style{}.with_add(Modifier::Bold | Modifier::Italic | Modifier::Underlined |
                                     Modifier::CrossedOut | Modifier::Reversed);

TEST(Emulator, SingleCellChanges) {
  Emulated e(10, 4);
  std::vector<std::pair<Position, Style>> cells;
  const auto paint = [&](Frame& f) {
    f.buffer.set_string(0, 0, "status line", kBlueOnGrey);
    for (const auto& [at, style] : cells) f.buffer.set_string(at.x, at.y, "#", style);
  };
  e.draw(paint);
  const std::pair<Position, Style> changes[] = {
      {{0, 1}, {}},
      {{9, 3}, kRed},
      {{5, 0}, kLoud},
      {{1, 1}, Style{}.with_bg(Named::LightCyan)},
      {{2, 1}, Style{}.with_add(Modifier::Italic)},
      {{3, 1}, Style{}.with_underline(rgb(1, 2, 3)).with_add(Modifier::Underlined)},
      {{0, 0}, Style{}.with_sub(Modifier::Bold)},
  };
  for (const auto& change : changes) {
    cells.push_back(change);
    e.draw(paint);
  }
  // And back, one at a time.
  while (!cells.empty()) {
    cells.pop_back();
    e.draw(paint);
  }
}

TEST(Emulator, FullChangesAndTheCursor) {
  Emulated e(12, 5);
  const auto fill = [](std::string_view symbol, Style style, std::optional<Position> cursor) {
    return [=](Frame& f) {
      for (std::uint16_t y = 0; y < 5; ++y) {
        for (std::uint16_t x = 0; x < 12; ++x) f.buffer.set_string(x, y, symbol, style);
      }
      f.cursor = cursor;
    };
  };
  e.draw(fill("a", kRed, Position{3, 2}));
  e.draw(fill("b", kBlueOnGrey, std::nullopt));
  e.draw(fill("\u4E2D", kLoud, Position{11, 4}));
  e.draw(fill("c", {}, Position{0, 0}));
  e.draw(fill(" ", {}, std::nullopt));
}

TEST(Emulator, WideCharactersReplacedByNarrowOnesAndBack) {
  Emulated e(7, 2);
  const std::string rows[] = {
      "\u4E2D\u6587\u5B57x",       // three wide and a narrow one
      "abcdefg",                   // all narrow
      "a\u4E2D\u6587\u5B57",       // wide ones shifted by one column
      "\u4E2D\u6587\u5B57x",       // and back
      "ab\u4E2Dcde",               // one wide among narrow
      "abc\u4E2Dde",               // moved right by one
      "\u4E2D\u4E2D\u4E2D\u4E2D",  // the last one does not fit
  };
  for (const std::string& row : rows) {
    SCOPED_TRACE(row);
    e.draw([&](Frame& f) {
      f.buffer.set_string(0, 0, row, kRed);
      f.buffer.set_string(0, 1, row, {});
    });
  }
}

TEST(Emulator, ResizeRedrawsEverything) {
  Emulated e(8, 3);
  const auto text = [](Frame& f) {
    f.buffer.set_string(0, 0, "top \u4E2D", kRed);
    f.buffer.set_string(0, static_cast<std::uint16_t>(f.area.height - 1), "bottom", kBlueOnGrey);
    f.cursor = Position{1, 1};
  };
  e.draw(text);
  e.resize(12, 5);
  e.draw(text);
  e.resize(5, 2);
  e.draw(text);
  e.draw(text);
}

TEST(Emulator, TextDoesNotMakeTheTerminalActOnIt) {
  const std::string commands = "\x1b]52;c;SGVsbG8=\x07 \x1b]0;pwned\x07\x1bP+q\x1b\\\a";
  Emulated e(40, 1);
  e.draw([&](Frame& f) { f.buffer.set_string(0, 0, "title " + commands, {}); });
  EXPECT_EQ(e.screen().rows()[0], "title ]52;c;SGVsbG8= ]0;pwnedP+q\\       ");

  // Symbols put into cells directly are checked again on their way out.
  test::VtermScreen screen(4, 1);
  Terminal terminal(
      [&](std::string_view bytes) {
        screen.feed(bytes);
        return std::error_code{};
      },
      4, 1);
  terminal.draw([&](Frame& f) {
    f.buffer.at(0, 0).symbol = commands;
    f.buffer.at(1, 0).symbol = "\u009b2J";
    f.buffer.at(2, 0).symbol = "\x9b";
    f.buffer.at(3, 0).symbol = "z";
  });
  EXPECT_EQ(screen.rows(), std::vector<std::string>{"   z"});
  EXPECT_EQ(screen.commands(), std::vector<std::string>{});
}

// A persistent scene edited a little between frames, so that most frames are small diffs.
struct Scene {
  struct Text {
    Position at;
    std::string text;
    Style style;
  };
  std::vector<Text> texts;
  std::vector<std::pair<Rect, Style>> styles;
  std::vector<Rect> clears;
  std::optional<Position> cursor;

  void paint(Frame& f) const {
    for (const Text& t : texts) f.buffer.set_string(t.at.x, t.at.y, t.text, t.style);
    for (const auto& [area, style] : styles) f.buffer.set_style(area, style);
    for (const Rect& area : clears) f.buffer.reset(area);
    f.cursor = cursor;
  }
};

TEST(Emulator, RandomFrames) {
  std::mt19937 random(20240611);
  const auto pick = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
  };
  const auto chance = [&](int percent) { return static_cast<int>(pick(100)) < percent; };

  const std::string symbols[] = {"a",      "b",      "Z",       " ",      "-",
                                 "\u4E2D", "\u6587", "e\u0301", "\u2502", "\u00E9"};
  const Color colors[] = {Reset{},          Named::Red,         Named::LightGreen, Named::White,
                          rgb(10, 200, 30), rgb(255, 255, 255), rgb(0, 0, 0)};
  const Modifier modifiers[] = {Modifier::Bold, Modifier::Italic, Modifier::Underlined,
                                Modifier::CrossedOut, Modifier::Reversed};

  std::uint16_t width = 14, height = 6;
  const auto position = [&] {
    return Position{static_cast<std::uint16_t>(pick(width)),
                    static_cast<std::uint16_t>(pick(height))};
  };
  const auto rect = [&] {
    const Position at = position();
    return Rect{at.x, at.y, static_cast<std::uint16_t>(pick(6) + 1),
                static_cast<std::uint16_t>(pick(3) + 1)};
  };
  const auto style = [&] {
    Style s;
    if (chance(60)) s.fg = colors[pick(std::size(colors))];
    if (chance(40)) s.bg = colors[pick(std::size(colors))];
    if (chance(10)) s.underline = colors[pick(std::size(colors))];
    for (const Modifier m : modifiers) {
      if (chance(15)) s.with_add(m);
      if (chance(10)) s.with_sub(m);
    }
    return s;
  };
  const auto text = [&] {
    std::string t;
    for (std::size_t n = pick(8) + 1; n > 0; --n) t += symbols[pick(std::size(symbols))];
    return t;
  };

  Emulated e(width, height);
  Scene scene;
  for (int frame = 0; frame < 300; ++frame) {
    SCOPED_TRACE(testing::Message() << "frame " << frame);
    if (chance(3)) {
      width = static_cast<std::uint16_t>(pick(16) + 4);
      height = static_cast<std::uint16_t>(pick(6) + 2);
      e.resize(width, height);
    }
    for (std::size_t edits = pick(4); edits > 0; --edits) {
      const std::size_t kind = pick(10);
      if (kind < 5) {
        scene.texts.push_back({position(), text(), style()});
      } else if (kind < 7 && !scene.texts.empty()) {
        scene.texts.erase(scene.texts.begin() +
                          static_cast<std::ptrdiff_t>(pick(scene.texts.size())));
      } else if (kind < 8) {
        scene.styles.emplace_back(rect(), style());
      } else if (kind < 9) {
        scene.clears.push_back(rect());
      } else {
        scene.cursor = chance(50) ? std::optional<Position>(position()) : std::nullopt;
      }
    }
    if (scene.styles.size() > 4) scene.styles.erase(scene.styles.begin());
    if (scene.clears.size() > 2) scene.clears.erase(scene.clears.begin());
    if (scene.texts.size() > 25) scene.texts.erase(scene.texts.begin());
    if (scene.cursor && (scene.cursor->x >= width || scene.cursor->y >= height))
      scene.cursor.reset();
    e.draw([&](Frame& f) { scene.paint(f); });
    if (testing::Test::HasFailure()) break;
  }
}

}  // namespace
}  // namespace orvane::tui

#include "transcript/color.hpp"

#include <gtest/gtest.h>

#include <string>

#include "fixture.hpp"

namespace orvane::transcript {
namespace {

TEST(Color, Tokens) {
  const render::Palette p = role_palette();
  const tui::Color fallback = tui::Named::Red;
  const struct {
    std::string token;
    tui::Color expected;
  } cases[] = {
      {"#fab283", tui::rgb(0xfa, 0xb2, 0x83)},
      {"#FAB283", tui::rgb(0xfa, 0xb2, 0x83)},
      {"#00ff7F", tui::rgb(0x00, 0xff, 0x7f)},
      {"$ov-accent", p.accent},
      {"$ov-blue", p.blue},
      {"$ov-cyan", p.cyan},
      {"$ov-purple", p.purple},
      {"$ov-success", p.success},
      {"$ov-warning", p.warning},
      {"$ov-label-neutral", tui::rgb(0x8a, 0x8a, 0x8a)},
      {"", fallback},
      {"#fab28", fallback},
      {"#fab2830", fallback},
      {"#fab28g", fallback},
      {"#+ab283", fallback},
      {"fab283", fallback},
      {"$ov-red", fallback},
      {"$ov-error", fallback},
      {"$ov-Accent", fallback},
      {"$ov-accent ", fallback},
      {"accent", fallback},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(test::color_text(color(c.token, fallback, p), role_names()),
              test::color_text(c.expected, role_names()))
        << '"' << c.token << '"';
  }
}

}  // namespace
}  // namespace orvane::transcript

#include "render/palette.hpp"

#include <gtest/gtest.h>

#include <string>

#include "support/line_text.hpp"
#include "transcript/color.hpp"

namespace orvane::render {
namespace {

std::string hex(const tui::Color& color) {
  return test::color_text(color);
}

TEST(Palette, VariantValues) {
  const Palette dark = Palette::make(false);
  const Palette light = Palette::make(true);
  // A spread of fields, first to last, so a value in the wrong slot shows.
  const struct {
    const char* field;
    tui::Color Palette::*member;
    const char* dark;
    const char* light;
  } cases[] = {
      {"background", &Palette::background, "#000000", "#ffffff"},
      {"text", &Palette::text, "#eeeeee", "#1b1b1b"},
      {"faint", &Palette::faint, "#6f6f6f", "#8a8a8a"},
      {"accent", &Palette::accent, "#fab283", "#c8672f"},
      {"surface", &Palette::surface, "#141414", "#f5f5f4"},
      {"popup", &Palette::popup, "#000000", "#ffffff"},
      {"removed_bg", &Palette::removed_bg, "#3e1b21", "#fde2e4"},
      {"added_bg", &Palette::added_bg, "#183824", "#dcf5e2"},
      {"blue", &Palette::blue, "#5c9cf5", "#2f6fd6"},
      {"error", &Palette::error, "#e06c75", "#c23a4a"},
      {"cyan", &Palette::cyan, "#56d4dd", "#0e7490"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(hex(dark.*c.member), c.dark) << c.field;
    EXPECT_EQ(hex(light.*c.member), c.light) << c.field;
  }
}

TEST(Palette, OnlyTheExactLightNameSelectsTheLightVariant) {
  const struct {
    std::string theme;
    bool light;
  } cases[] = {
      {"orvane-light", true},
      {"Orvane-light", false},
      {"ORVANE-LIGHT", false},
      {"orvane-light ", false},
      {" orvane-light", false},
      {std::string("orvane-light\0", 13), false},
      {"orvane-dark", false},
      {"light", false},
      {"", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(is_light(c.theme), c.light) << '"' << c.theme << '"';
    EXPECT_EQ(hex(Palette::make(is_light(c.theme)).background), c.light ? "#ffffff" : "#000000")
        << '"' << c.theme << '"';
  }
}

TEST(Palette, TokensFollowTheThemeExceptTheNeutralLabel) {
  const Palette dark = Palette::make(false);
  const Palette light = Palette::make(true);
  const tui::Color fallback = tui::Reset{};
  EXPECT_EQ(hex(transcript::color("$ov-label-neutral", fallback, dark)), "#8a8a8a");
  EXPECT_EQ(hex(transcript::color("$ov-label-neutral", fallback, light)), "#8a8a8a");
  EXPECT_EQ(hex(transcript::color("$ov-accent", fallback, dark)), "#fab283");
  EXPECT_EQ(hex(transcript::color("$ov-accent", fallback, light)), "#c8672f");
}

}  // namespace
}  // namespace orvane::render

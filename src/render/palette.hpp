#pragma once
#include <string_view>

#include "tui/style.hpp"

namespace orvane::render {

// The nineteen colours every drawing function picks from, by role.
struct Palette {
  tui::Color background;
  tui::Color text;
  tui::Color muted;
  tui::Color faint;
  tui::Color accent;
  tui::Color surface;
  tui::Color raised;
  tui::Color focus;
  tui::Color popup;
  tui::Color rule;
  tui::Color border;
  tui::Color removed_bg;
  tui::Color added_bg;
  tui::Color blue;
  tui::Color purple;
  tui::Color success;
  tui::Color warning;
  tui::Color error;
  tui::Color cyan;

  static Palette make(bool light);
};

// The one way the light variant is chosen: the theme name, byte for byte.
inline bool is_light(std::string_view theme) { return theme == "orvane-light"; }

}  // namespace orvane::render

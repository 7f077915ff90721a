#pragma once
// A terminal emulator (libvterm) fed with the bytes a test captured, so that a test can look
// at the screen a person would see: text rows, colours and modifiers per cell, the cursor,
// and any command (OSC, title, bell) the bytes made the terminal carry out.
#include <vterm.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tui/rect.hpp"
#include "tui/style.hpp"
#include "unicode/utf8.hpp"

namespace orvane::test {

struct VtermCell {
  // The characters of the cell; empty for the covered half of a wide character.
  std::string text;
  tui::Color fg = tui::Reset{};
  tui::Color bg = tui::Reset{};
  tui::Modifier modifiers = tui::Modifier::None;
  bool covered = false;
};

class VtermScreen {
 public:
  VtermScreen(std::uint16_t width, std::uint16_t height) : vt_(vterm_new(height, width)) {
    vterm_set_utf8(vt_, 1);
    screen_ = vterm_obtain_screen(vt_);
    callbacks_.settermprop = &VtermScreen::on_property;
    callbacks_.bell = &VtermScreen::on_bell;
    vterm_screen_set_callbacks(screen_, &callbacks_, this);
    fallbacks_.osc = &VtermScreen::on_osc;
    fallbacks_.dcs = &VtermScreen::on_dcs;
    vterm_screen_set_unrecognised_fallbacks(screen_, &fallbacks_, this);
    vterm_screen_reset(screen_, 1);
  }
  ~VtermScreen() { vterm_free(vt_); }
  VtermScreen(const VtermScreen&) = delete;
  VtermScreen& operator=(const VtermScreen&) = delete;

  void feed(std::string_view bytes) { vterm_input_write(vt_, bytes.data(), bytes.size()); }

  void resize(std::uint16_t width, std::uint16_t height) { vterm_set_size(vt_, height, width); }

  std::uint16_t width() const { return static_cast<std::uint16_t>(size().col); }
  std::uint16_t height() const { return static_cast<std::uint16_t>(size().row); }

  VtermCell cell(std::uint16_t x, std::uint16_t y) const {
    VTermScreenCell raw{};
    vterm_screen_get_cell(screen_, VTermPos{y, x}, &raw);
    VtermCell cell;
    if (raw.chars[0] == static_cast<std::uint32_t>(-1)) {
      cell.covered = true;
    } else if (raw.chars[0] == 0) {
      cell.text = " ";
    } else {
      for (int i = 0; i < VTERM_MAX_CHARS_PER_CELL && raw.chars[i] != 0; ++i) {
        unicode::append_utf8(cell.text, raw.chars[i]);
      }
    }
    cell.fg = color(raw.fg, false);
    cell.bg = color(raw.bg, true);
    const auto set = [&](bool on, tui::Modifier m) {
      if (on) cell.modifiers |= m;
    };
    set(raw.attrs.bold, tui::Modifier::Bold);
    set(raw.attrs.italic, tui::Modifier::Italic);
    set(raw.attrs.underline != VTERM_UNDERLINE_OFF, tui::Modifier::Underlined);
    set(raw.attrs.strike, tui::Modifier::CrossedOut);
    set(raw.attrs.reverse, tui::Modifier::Reversed);
    return cell;
  }

  // The text of each row, a wide character once.
  std::vector<std::string> rows() const {
    std::vector<std::string> out;
    for (std::uint16_t y = 0; y < height(); ++y) {
      std::string row;
      for (std::uint16_t x = 0; x < width(); ++x) row += cell(x, y).text;
      out.push_back(std::move(row));
    }
    return out;
  }

  tui::Position cursor() const {
    VTermPos pos;
    vterm_state_get_cursorpos(vterm_obtain_state(vt_), &pos);
    return {static_cast<std::uint16_t>(pos.col), static_cast<std::uint16_t>(pos.row)};
  }
  bool cursor_visible() const { return cursor_visible_; }

  // Commands the terminal carried out beyond drawing: "osc:<text>", "dcs:<text>",
  // "title:<text>", "bell".
  const std::vector<std::string>& commands() const { return commands_; }

 private:
  VTermPos size() const {
    VTermPos pos;
    vterm_get_size(vt_, &pos.row, &pos.col);
    return pos;
  }

  tui::Color color(VTermColor raw, bool background) const {
    if (background ? VTERM_COLOR_IS_DEFAULT_BG(&raw) : VTERM_COLOR_IS_DEFAULT_FG(&raw)) {
      return tui::Reset{};
    }
    if (VTERM_COLOR_IS_INDEXED(&raw)) {
      if (raw.indexed.idx < 16) return static_cast<tui::Named>(raw.indexed.idx);
      vterm_screen_convert_color_to_rgb(screen_, &raw);
    }
    return tui::Rgb{raw.rgb.red, raw.rgb.green, raw.rgb.blue};
  }

  static int on_property(VTermProp property, VTermValue* value, void* user) {
    auto* self = static_cast<VtermScreen*>(user);
    if (property == VTERM_PROP_CURSORVISIBLE) self->cursor_visible_ = value->boolean != 0;
    if (property == VTERM_PROP_TITLE || property == VTERM_PROP_ICONNAME) {
      self->commands_.push_back(std::string("title:") + value->string);
    }
    return 1;
  }
  static int on_bell(void* user) {
    static_cast<VtermScreen*>(user)->commands_.push_back("bell");
    return 1;
  }
  static int on_osc(const char* command, std::size_t length, void* user) {
    static_cast<VtermScreen*>(user)->commands_.push_back("osc:" + std::string(command, length));
    return 1;
  }
  static int on_dcs(const char* command, std::size_t length, void* user) {
    static_cast<VtermScreen*>(user)->commands_.push_back("dcs:" + std::string(command, length));
    return 1;
  }

  VTerm* vt_;
  VTermScreen* screen_;
  VTermScreenCallbacks callbacks_{};
  VTermParserCallbacks fallbacks_{};
  bool cursor_visible_ = true;
  std::vector<std::string> commands_;
};

}  // namespace orvane::test

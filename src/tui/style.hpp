#pragma once
#include <cstdint>
#include <optional>
#include <variant>

namespace orvane::tui {

// The 16 named colours of the terminal palette, in SGR order (30–37, then 90–97).
enum class Named : std::uint8_t {
  Black, Red, Green, Yellow, Blue, Magenta, Cyan, Gray,
  DarkGray, LightRed, LightGreen, LightYellow, LightBlue, LightMagenta, LightCyan, White,
};

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The terminal's default colour (SGR 39/49/59).
struct Reset {
  friend bool operator==(const Reset&, const Reset&) = default;
};

using Color = std::variant<Reset, Named, Rgb>;

inline Color rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return Rgb{r, g, b}; }

// A set of text modifiers as bits.
enum class Modifier : std::uint8_t {
  None = 0,
  Bold = 1 << 0,
  Italic = 1 << 1,
  Underlined = 1 << 2,
  CrossedOut = 1 << 3,
  Reversed = 1 << 4,
};

constexpr Modifier operator|(Modifier a, Modifier b) {
  return static_cast<Modifier>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}
constexpr Modifier operator&(Modifier a, Modifier b) {
  return static_cast<Modifier>(static_cast<std::uint8_t>(a) & static_cast<std::uint8_t>(b));
}
constexpr Modifier operator~(Modifier a) {
  return static_cast<Modifier>(~static_cast<std::uint8_t>(a) & 0x1F);
}
constexpr Modifier& operator|=(Modifier& a, Modifier b) { return a = a | b; }
constexpr bool contains(Modifier set, Modifier m) { return (set & m) == m && m != Modifier::None; }

// A style says only what it changes: absent colours and modifiers in neither set
// are inherited from whatever it is patched onto.
struct Style {
  std::optional<Color> fg{};
  std::optional<Color> bg{};
  std::optional<Color> underline{};
  Modifier add = Modifier::None;
  Modifier sub = Modifier::None;

  Style& with_fg(Color c) { fg = c; return *this; }
  Style& with_bg(Color c) { bg = c; return *this; }
  Style& with_underline(Color c) { underline = c; return *this; }
  Style& with_add(Modifier m) { add = add | m; sub = sub & ~m; return *this; }
  Style& with_sub(Modifier m) { sub = sub | m; add = add & ~m; return *this; }

  friend bool operator==(const Style&, const Style&) = default;
};

// `top` laid over `base`: each colour of `top` when it has one, else the base colour;
// added = (base added − top removed) + top added; removed = (base removed − top added) + top removed.
inline Style patch(const Style& base, const Style& top) {
  Style out;
  out.fg = top.fg ? top.fg : base.fg;
  out.bg = top.bg ? top.bg : base.bg;
  out.underline = top.underline ? top.underline : base.underline;
  out.add = (base.add & ~top.sub) | top.add;
  out.sub = (base.sub & ~top.add) | top.sub;
  return out;
}

}  // namespace orvane::tui

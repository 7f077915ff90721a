#include "render/palette.hpp"

namespace orvane::render {

namespace {

constexpr tui::Color hex(unsigned value) {
  return tui::Rgb{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
                  static_cast<std::uint8_t>(value)};
}

}  // namespace

Palette Palette::make(bool light) {
  if (light) {
    return {hex(0xffffff), hex(0x1b1b1b), hex(0x555555), hex(0x8a8a8a), hex(0xc8672f),
            hex(0xf5f5f4), hex(0xececea), hex(0xe2e2df), hex(0xffffff), hex(0xdcdcd8),
            hex(0xb9b9b4), hex(0xfde2e4), hex(0xdcf5e2), hex(0x2f6fd6), hex(0x7a52c7),
            hex(0x268044), hex(0xa86200), hex(0xc23a4a), hex(0x0e7490)};
  }
  return {hex(0x000000), hex(0xeeeeee), hex(0xa3a3a3), hex(0x6f6f6f), hex(0xfab283),
          hex(0x141414), hex(0x1e1e1e), hex(0x282828), hex(0x000000), hex(0x2c2c2c),
          hex(0x484848), hex(0x3e1b21), hex(0x183824), hex(0x5c9cf5), hex(0x9d7cd8),
          hex(0x7fd88f), hex(0xf5a742), hex(0xe06c75), hex(0x56d4dd)};
}

}  // namespace orvane::render

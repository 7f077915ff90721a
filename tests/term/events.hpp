#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "term/event.hpp"
#include "term/input_stream.hpp"

// Short spellings for expected events in decoding tables.
namespace orvane::term::test {

inline constexpr Modifiers kNone = Modifiers::None;
inline constexpr Modifiers kShift = Modifiers::Shift;
inline constexpr Modifiers kAlt = Modifiers::Alt;
inline constexpr Modifiers kCtrl = Modifiers::Ctrl;

inline Event key(Key code, Modifiers modifiers = kNone, KeyKind kind = KeyKind::Press) {
  return KeyEvent{{code}, modifiers, kind};
}

inline Event ch(char32_t c, Modifiers modifiers = kNone, KeyKind kind = KeyKind::Press) {
  return KeyEvent{{Key::Char, c}, modifiers, kind};
}

inline Event fn(char32_t n, Modifiers modifiers = kNone, KeyKind kind = KeyKind::Press) {
  return KeyEvent{{Key::F, n}, modifiers, kind};
}

inline Event mouse(MouseKind kind, MouseButton button, std::uint16_t column, std::uint16_t row,
                   Modifiers modifiers = kNone) {
  return MouseEvent{kind, button, column, row, modifiers};
}

inline Event paste(std::string text) {
  return PasteEvent{std::move(text)};
}

inline std::vector<Event> drain(InputStream& stream) {
  std::vector<Event> events;
  while (auto event = stream.next()) events.push_back(std::move(*event));
  return events;
}

}  // namespace orvane::term::test

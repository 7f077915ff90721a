#pragma once
#include <cstdint>
#include <iosfwd>
#include <string>
#include <variant>

namespace orvane::term {

enum class Key : std::uint8_t {
  Backspace,
  Enter,
  Left,
  Right,
  Up,
  Down,
  Home,
  End,
  PageUp,
  PageDown,
  Tab,
  BackTab,
  Delete,
  Insert,
  F,
  Char,
  Null,
  Esc,
};

// `value` is the character for Key::Char and the number for Key::F (F(1) is F1); 0 otherwise.
struct KeyCode {
  Key key = Key::Null;
  char32_t value = 0;

  friend bool operator==(const KeyCode&, const KeyCode&) = default;
};

// Bit values follow the xterm modifier parameter (value - 1), so decoding is a mask.
enum class Modifiers : std::uint8_t {
  None = 0,
  Shift = 1,
  Alt = 2,
  Ctrl = 4,
};

constexpr Modifiers operator|(Modifiers a, Modifiers b) {
  return static_cast<Modifiers>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}

constexpr bool has(Modifiers set, Modifiers modifier) {
  return (static_cast<std::uint8_t>(set) & static_cast<std::uint8_t>(modifier)) ==
             static_cast<std::uint8_t>(modifier) &&
         modifier != Modifiers::None;
}

enum class KeyKind : std::uint8_t { Press, Repeat, Release };

// Legacy terminals cannot report Shift on characters: "A" arrives as Char('A') without Shift.
// Ctrl+letter arrives as the lower-case letter with Ctrl; Shift+Tab as BackTab with Shift.
struct KeyEvent {
  KeyCode code;
  Modifiers modifiers = Modifiers::None;
  KeyKind kind = KeyKind::Press;

  friend bool operator==(const KeyEvent&, const KeyEvent&) = default;
};

enum class MouseKind : std::uint8_t {
  Down,
  Up,
  Drag,
  Moved,
  ScrollUp,
  ScrollDown,
  ScrollLeft,
  ScrollRight,
};

enum class MouseButton : std::uint8_t { Left, Right, Middle };

// `button` is meaningful for Down, Up and Drag; it is Left for the other kinds and for a
// release in the legacy encodings, which do not say which button went up.
struct MouseEvent {
  MouseKind kind = MouseKind::Moved;
  MouseButton button = MouseButton::Left;
  std::uint16_t column = 0;  // 0-based
  std::uint16_t row = 0;     // 0-based
  Modifiers modifiers = Modifiers::None;

  friend bool operator==(const MouseEvent&, const MouseEvent&) = default;
};

// The text is valid UTF-8: invalid bytes inside a paste arrive as U+FFFD.
struct PasteEvent {
  std::string text;

  friend bool operator==(const PasteEvent&, const PasteEvent&) = default;
};

struct ResizeEvent {
  std::uint16_t width = 0;
  std::uint16_t height = 0;

  friend bool operator==(const ResizeEvent&, const ResizeEvent&) = default;
};

struct FocusEvent {
  bool gained = false;

  friend bool operator==(const FocusEvent&, const FocusEvent&) = default;
};

using Event = std::variant<KeyEvent, MouseEvent, PasteEvent, ResizeEvent, FocusEvent>;

std::ostream& operator<<(std::ostream& out, const KeyCode& code);
std::ostream& operator<<(std::ostream& out, Modifiers modifiers);
std::ostream& operator<<(std::ostream& out, const KeyEvent& event);
std::ostream& operator<<(std::ostream& out, const MouseEvent& event);
std::ostream& operator<<(std::ostream& out, const PasteEvent& event);
std::ostream& operator<<(std::ostream& out, const ResizeEvent& event);
std::ostream& operator<<(std::ostream& out, const FocusEvent& event);
std::ostream& operator<<(std::ostream& out, const Event& event);

}  // namespace orvane::term

#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "term/event.hpp"

namespace orvane::term {

// The bytes may be the start of an event that is still arriving.
struct NeedMore {
  friend bool operator==(const NeedMore&, const NeedMore&) = default;
};

// The first `length` bytes are garbage (an unknown or malformed sequence, invalid UTF-8) and
// are dropped whole.
struct Invalid {
  std::size_t length = 0;

  friend bool operator==(const Invalid&, const Invalid&) = default;
};

struct Decoded {
  Event event;
  std::size_t length = 0;

  friend bool operator==(const Decoded&, const Decoded&) = default;
};

using Decoding = std::variant<NeedMore, Invalid, Decoded>;

inline constexpr std::string_view kPasteStart = "\x1b[200~";
inline constexpr std::string_view kPasteEnd = "\x1b[201~";

// Decodes the event at the start of `bytes`.
//
// Choices where terminals are ambiguous:
// - CR is Enter and LF is Ctrl+j (raw mode keeps them apart: the Enter key sends CR, Ctrl+J
//   sends LF); BS and DEL are both Backspace; NUL is Ctrl+Space (Char(' ') with Ctrl).
// - ESC followed by a key is that key with Alt; ESC ESC is a plain Esc followed by whatever
//   the second ESC starts. A lone ESC is NeedMore: only a timeout can tell it is the Esc key.
// - Modifier bits beyond Shift, Alt and Ctrl (super, hyper, meta, lock keys) are ignored.
// - A bracketed paste is one event; until its end marker has arrived the result is NeedMore.
Decoding decode(std::string_view bytes);

// The paste payload as valid UTF-8: each invalid byte becomes U+FFFD.
std::string paste_text(std::string_view raw);

}  // namespace orvane::term

#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace orvane::unicode {

// One decoded code point and the number of bytes it took; invalid input decodes as
// U+FFFD over one byte so that callers always advance.
struct Decoded {
  char32_t code_point;
  std::size_t length;
};

Decoded decode(std::string_view text, std::size_t offset);

// Whether `byte` continues a multi-byte sequence rather than starting a code point.
bool is_continuation(char byte);

// The number of code points in `text`, counted by their first bytes.
std::size_t code_point_count(std::string_view text);

// Where the code point that ends at `offset` (past the start of `text`) begins: the last
// byte before `offset` that is not a continuation byte, or 0.
std::size_t code_point_start(std::string_view text, std::size_t offset);

// The length of the well-formed UTF-8 sequence at `text[offset]` (1 to 4), or 0 when the
// bytes there are not one (overlong, surrogate, truncated, past U+10FFFF).
std::size_t sequence_length(std::string_view text, std::size_t offset);

// True when every byte sequence in `text` is well-formed UTF-8 (no overlongs, no surrogates).
bool is_valid_utf8(std::string_view text);

void append_utf8(std::string& out, char32_t code_point);

}  // namespace orvane::unicode

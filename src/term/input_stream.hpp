#pragma once
#include <chrono>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "term/event.hpp"

namespace orvane::term {

// Turns terminal bytes, as they arrive in arbitrary pieces, into events. Owns the bytes of an
// unfinished sequence, the text of a bracketed paste while it arrives (scanned once, so a paste
// of many megabytes over many reads costs linear time), and the lone-Esc rule.
class InputStream {
 public:
  using Instant = std::chrono::steady_clock::time_point;

  // How long an unfinished sequence may wait for its next byte: a lone ESC that long is the Esc
  // key, since terminals send a whole sequence in one write.
  static constexpr std::chrono::milliseconds kEscTimeout{25};

  // Appends bytes read at `now` and decodes every event they complete.
  void feed(std::string_view bytes, Instant now);

  // Resolves an unfinished sequence whose last byte arrived kEscTimeout or more before `now`:
  // ESC alone is Esc, ESC plus "[" or "O" is Alt+that character, anything else is dropped.
  // A paste in progress is never cut short.
  void expire(Instant now);

  // When `expire` will next resolve something, if bytes are waiting.
  std::optional<Instant> deadline() const;

  bool has_event() const { return !events_.empty(); }

  // Takes the oldest decoded event.
  std::optional<Event> next();

 private:
  void decode_buffered();
  void compact();

  std::string buffer_;
  std::size_t head_ = 0;  // bytes before head_ are consumed
  bool in_paste_ = false;
  // While in a paste: how far past head_ the end marker is known not to start.
  std::size_t paste_scanned_ = 0;
  Instant last_input_{};
  std::deque<Event> events_;
};

}  // namespace orvane::term

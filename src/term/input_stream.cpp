#include "term/input_stream.hpp"

#include <utility>
#include <variant>

#include "term/decode.hpp"

namespace orvane::term {
namespace {

constexpr char kEsc = '\x1b';

}  // namespace

void InputStream::feed(std::string_view bytes, Instant now) {
  if (bytes.empty()) return;
  buffer_.append(bytes);
  last_input_ = now;
  decode_buffered();
}

void InputStream::decode_buffered() {
  while (head_ < buffer_.size()) {
    const std::string_view pending = std::string_view(buffer_).substr(head_);
    if (in_paste_) {
      const std::size_t end = pending.find(kPasteEnd, paste_scanned_);
      if (end == std::string_view::npos) {
        // The marker may already have begun in the last few bytes.
        paste_scanned_ =
            pending.size() >= kPasteEnd.size() ? pending.size() - kPasteEnd.size() + 1 : 0;
        break;
      }
      events_.push_back(PasteEvent{paste_text(pending.substr(0, end))});
      head_ += end + kPasteEnd.size();
      in_paste_ = false;
      continue;
    }
    if (pending.starts_with(kPasteStart)) {
      head_ += kPasteStart.size();
      in_paste_ = true;
      paste_scanned_ = 0;
      continue;
    }
    const Decoding decoding = decode(pending);
    if (std::holds_alternative<NeedMore>(decoding)) break;
    if (const auto* invalid = std::get_if<Invalid>(&decoding)) {
      head_ += invalid->length;
    } else {
      const auto& decoded = std::get<Decoded>(decoding);
      events_.push_back(decoded.event);
      head_ += decoded.length;
    }
  }
  compact();
}

void InputStream::compact() {
  if (head_ == buffer_.size()) {
    buffer_.clear();
    head_ = 0;
  } else if (head_ > buffer_.size() / 2) {
    // Erasing only once half the buffer is consumed keeps the copying linear overall.
    buffer_.erase(0, head_);
    head_ = 0;
  }
}

void InputStream::expire(Instant now) {
  if (in_paste_ || head_ == buffer_.size() || now - last_input_ < kEscTimeout) return;
  const std::string_view pending = std::string_view(buffer_).substr(head_);
  if (pending.size() == 1 && pending[0] == kEsc) {
    events_.push_back(KeyEvent{{Key::Esc}});
  } else if (pending.size() == 2 && pending[0] == kEsc &&
             (pending[1] == '[' || pending[1] == 'O')) {
    events_.push_back(KeyEvent{{Key::Char, static_cast<char32_t>(pending[1])}, Modifiers::Alt});
  }
  buffer_.clear();
  head_ = 0;
}

std::optional<InputStream::Instant> InputStream::deadline() const {
  if (in_paste_ || head_ == buffer_.size()) return std::nullopt;
  return last_input_ + kEscTimeout;
}

std::optional<Event> InputStream::next() {
  if (events_.empty()) return std::nullopt;
  Event event = std::move(events_.front());
  events_.pop_front();
  return event;
}

}  // namespace orvane::term

#include "term/decode.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "unicode/utf8.hpp"

namespace orvane::term {
namespace {

constexpr char kEsc = '\x1b';
// Key and mouse reports are a few dozen bytes; a longer run without a final byte is garbage,
// and waiting for its end would let the buffer grow without bound.
constexpr std::size_t kMaxSequence = 256;

Decoding key(KeyCode code, std::size_t length, Modifiers modifiers = Modifiers::None) {
  return Decoded{KeyEvent{code, modifiers, KeyKind::Press}, length};
}

KeyEvent control_key(unsigned char byte) {
  switch (byte) {
    case 0x00:
      return {{Key::Char, U' '}, Modifiers::Ctrl};
    case 0x08:
    case 0x7f:
      return {{Key::Backspace}};
    case 0x09:
      return {{Key::Tab}};
    case 0x0d:
      return {{Key::Enter}};
    case 0x1c:
      return {{Key::Char, U'\\'}, Modifiers::Ctrl};
    case 0x1d:
      return {{Key::Char, U']'}, Modifiers::Ctrl};
    case 0x1e:
      return {{Key::Char, U'^'}, Modifiers::Ctrl};
    case 0x1f:
      return {{Key::Char, U'_'}, Modifiers::Ctrl};
    default:
      // 0x01..0x1a, LF (Ctrl+j) included.
      return {{Key::Char, static_cast<char32_t>(U'a' + byte - 1)}, Modifiers::Ctrl};
  }
}

// The length of the UTF-8 sequence a lead byte starts; 0 when it cannot start one.
std::size_t sequence_length(unsigned char lead) {
  if (lead >= 0xc2 && lead <= 0xdf) return 2;
  if (lead >= 0xe0 && lead <= 0xef) return 3;
  if (lead >= 0xf0 && lead <= 0xf4) return 4;
  return 0;
}

// Whether `byte` may stand at `index` of a sequence led by `lead`; the second byte's range is
// narrower after some leads, which rules out overlong forms, surrogates and values past U+10FFFF
// before the sequence is complete.
bool fits(unsigned char lead, std::size_t index, unsigned char byte) {
  unsigned char low = 0x80;
  unsigned char high = 0xbf;
  if (index == 1) {
    if (lead == 0xe0) low = 0xa0;
    if (lead == 0xed) high = 0x9f;
    if (lead == 0xf0) low = 0x90;
    if (lead == 0xf4) high = 0x8f;
  }
  return byte >= low && byte <= high;
}

// A key typed as text: a control byte, ASCII or one UTF-8 character.
Decoding decode_text(std::string_view bytes) {
  const auto lead = static_cast<unsigned char>(bytes[0]);
  if (lead < 0x20 || lead == 0x7f) return Decoded{control_key(lead), 1};
  if (lead < 0x80) return key({Key::Char, lead}, 1);
  const std::size_t length = sequence_length(lead);
  if (length == 0) return Invalid{1};
  for (std::size_t i = 1; i < length && i < bytes.size(); ++i) {
    if (!fits(lead, i, static_cast<unsigned char>(bytes[i]))) return Invalid{i};
  }
  if (bytes.size() < length) return NeedMore{};
  const unicode::Decoded decoded = unicode::decode(bytes, 0);
  return key({Key::Char, decoded.code_point}, decoded.length);
}

// Parameters of a control sequence: `;` separates parameters, `:` sub-parameters.
struct Params {
  static constexpr std::size_t kMaxParams = 16;
  static constexpr std::size_t kMaxSub = 4;
  static constexpr std::uint32_t kAbsent = UINT32_MAX;
  static constexpr std::uint32_t kMaxValue = 1u << 24;

  std::array<std::array<std::uint32_t, kMaxSub>, kMaxParams> values;
  std::size_t count = 0;

  std::uint32_t get(std::size_t index, std::size_t sub, std::uint32_t fallback) const {
    if (index >= count || values[index][sub] == kAbsent) return fallback;
    return values[index][sub];
  }
};

std::optional<Params> parse_params(std::string_view text) {
  Params params;
  for (auto& param : params.values) param.fill(Params::kAbsent);
  if (text.empty()) return params;
  std::size_t index = 0;
  std::size_t sub = 0;
  for (char c : text) {
    if (c == ';') {
      if (++index == Params::kMaxParams) return std::nullopt;
      sub = 0;
    } else if (c == ':') {
      if (++sub == Params::kMaxSub) return std::nullopt;
    } else if (c >= '0' && c <= '9') {
      std::uint32_t& value = params.values[index][sub];
      value = (value == Params::kAbsent ? 0 : value) * 10 + static_cast<std::uint32_t>(c - '0');
      if (value >= Params::kMaxValue) return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  params.count = index + 1;
  return params;
}

// Modifier parameters carry 1 + a bit set; bits past Ctrl (super, hyper, meta, lock keys) are
// dropped.
Modifiers modifiers_from(std::uint32_t value) {
  if (value == 0) return Modifiers::None;
  return static_cast<Modifiers>((value - 1) & 7);
}

std::optional<KeyKind> kind_from(std::uint32_t value) {
  switch (value) {
    case 1:
      return KeyKind::Press;
    case 2:
      return KeyKind::Repeat;
    case 3:
      return KeyKind::Release;
    default:
      return std::nullopt;
  }
}

// Builds a key whose second parameter is "modifiers[:event type]".
Decoding modified_key(KeyCode code, const Params& params, std::size_t length,
                      Modifiers extra = Modifiers::None) {
  const std::optional<KeyKind> kind = kind_from(params.get(1, 1, 1));
  if (!kind) return Invalid{length};
  const Modifiers modifiers = modifiers_from(params.get(1, 0, 1)) | extra;
  if (code.key == Key::Tab && has(modifiers, Modifiers::Shift)) code = {Key::BackTab};
  return Decoded{KeyEvent{code, modifiers, *kind}, length};
}

// Key numbers of the kitty protocol and of modifyOtherKeys: a code point, except for a few
// control keys and the functional keys kitty numbers in the private-use area.
std::optional<KeyCode> numbered_key(std::uint32_t code) {
  constexpr std::uint32_t kF13 = 57376;
  constexpr std::uint32_t kF35 = 57398;
  constexpr std::uint32_t kKeypadFirst = 57399;
  constexpr std::array<KeyCode, 28> kKeypad = {{
      {Key::Char, U'0'}, {Key::Char, U'1'}, {Key::Char, U'2'}, {Key::Char, U'3'}, {Key::Char, U'4'},
      {Key::Char, U'5'}, {Key::Char, U'6'}, {Key::Char, U'7'}, {Key::Char, U'8'}, {Key::Char, U'9'},
      {Key::Char, U'.'}, {Key::Char, U'/'}, {Key::Char, U'*'}, {Key::Char, U'-'}, {Key::Char, U'+'},
      {Key::Enter},      {Key::Char, U'='}, {Key::Char, U','}, {Key::Left},       {Key::Right},
      {Key::Up},         {Key::Down},       {Key::PageUp},     {Key::PageDown},   {Key::Home},
      {Key::End},        {Key::Insert},     {Key::Delete},
  }};
  switch (code) {
    case 8:
    case 127:
      return KeyCode{Key::Backspace};
    case 9:
      return KeyCode{Key::Tab};
    case 13:
      return KeyCode{Key::Enter};
    case 27:
      return KeyCode{Key::Esc};
    default:
      break;
  }
  if (code >= kF13 && code <= kF35) return KeyCode{Key::F, code - kF13 + 13};
  if (code >= kKeypadFirst && code < kKeypadFirst + kKeypad.size()) {
    return kKeypad[code - kKeypadFirst];
  }
  // Lock, media and modifier keys, keypad Begin: no key code stands for them.
  if (code >= 0xe000 && code <= 0xf8ff) return std::nullopt;
  if (code < 0x20 || (code >= 0xd800 && code <= 0xdfff) || code > 0x10ffff) return std::nullopt;
  return KeyCode{Key::Char, code};
}

std::optional<KeyCode> tilde_key(std::uint32_t number) {
  switch (number) {
    case 1:
    case 7:
      return KeyCode{Key::Home};
    case 2:
      return KeyCode{Key::Insert};
    case 3:
      return KeyCode{Key::Delete};
    case 4:
    case 8:
      return KeyCode{Key::End};
    case 5:
      return KeyCode{Key::PageUp};
    case 6:
      return KeyCode{Key::PageDown};
    default:
      break;
  }
  // F1..F20 with the historical gaps at 16, 22, 27 and 30.
  constexpr std::array<std::uint32_t, 20> kFunction = {11, 12, 13, 14, 15, 17, 18, 19, 20, 21,
                                                       23, 24, 25, 26, 28, 29, 31, 32, 33, 34};
  const auto* found = std::find(kFunction.begin(), kFunction.end(), number);
  if (found == kFunction.end()) return std::nullopt;
  return KeyCode{Key::F, static_cast<char32_t>(found - kFunction.begin() + 1)};
}

std::optional<KeyCode> letter_key(char final) {
  switch (final) {
    case 'A':
      return KeyCode{Key::Up};
    case 'B':
      return KeyCode{Key::Down};
    case 'C':
      return KeyCode{Key::Right};
    case 'D':
      return KeyCode{Key::Left};
    case 'H':
      return KeyCode{Key::Home};
    case 'F':
      return KeyCode{Key::End};
    case 'P':
      return KeyCode{Key::F, 1};
    case 'Q':
      return KeyCode{Key::F, 2};
    case 'R':
      return KeyCode{Key::F, 3};
    case 'S':
      return KeyCode{Key::F, 4};
    default:
      return std::nullopt;
  }
}

std::uint16_t coordinate(std::uint32_t one_based) {
  if (one_based == 0) return 0;
  return static_cast<std::uint16_t>(std::min<std::uint32_t>(one_based - 1, UINT16_MAX));
}

// Mouse button byte: bits 0-1 button (3 = none), 4 Shift, 8 Alt, 16 Ctrl, 32 motion, 64 wheel,
// 128 the extra buttons 8-11, which nothing uses. Only SGR reports say which button went up.
std::optional<MouseEvent> mouse_event(std::uint32_t button, std::uint32_t column, std::uint32_t row,
                                      bool release) {
  if (button >= 128) return std::nullopt;
  MouseEvent event;
  event.column = coordinate(column);
  event.row = coordinate(row);
  Modifiers modifiers = Modifiers::None;
  if (button & 4) modifiers = modifiers | Modifiers::Shift;
  if (button & 8) modifiers = modifiers | Modifiers::Alt;
  if (button & 16) modifiers = modifiers | Modifiers::Ctrl;
  event.modifiers = modifiers;
  const std::uint32_t low = button & 3;
  if (button & 64) {
    if (release) return std::nullopt;
    constexpr std::array<MouseKind, 4> kWheel = {MouseKind::ScrollUp, MouseKind::ScrollDown,
                                                 MouseKind::ScrollLeft, MouseKind::ScrollRight};
    event.kind = kWheel[low];
    return event;
  }
  constexpr std::array<MouseButton, 3> kButtons = {MouseButton::Left, MouseButton::Middle,
                                                   MouseButton::Right};
  const bool motion = (button & 32) != 0;
  if (low == 3) {
    event.kind = motion && !release ? MouseKind::Moved : MouseKind::Up;
    return event;
  }
  event.button = kButtons[low];
  event.kind = release ? MouseKind::Up : motion ? MouseKind::Drag : MouseKind::Down;
  return event;
}

Decoding mouse(std::optional<MouseEvent> event, std::size_t length) {
  if (!event) return Invalid{length};
  return Decoded{*event, length};
}

// CSI b;x;y M/m (SGR) and CSI b;x;y M (urxvt, b offset by 32).
Decoding decimal_mouse(const Params& params, std::size_t length, std::uint32_t offset,
                       bool release) {
  if (params.count != 3) return Invalid{length};
  const std::uint32_t button = params.get(0, 0, Params::kAbsent);
  const std::uint32_t column = params.get(1, 0, Params::kAbsent);
  const std::uint32_t row = params.get(2, 0, Params::kAbsent);
  if (button == Params::kAbsent || column == Params::kAbsent || row == Params::kAbsent ||
      button < offset) {
    return Invalid{length};
  }
  return mouse(mouse_event(button - offset, column, row, release), length);
}

// CSI M followed by three raw bytes, each offset by 32.
Decoding x10_mouse(std::string_view bytes) {
  constexpr std::size_t kLength = 6;
  if (bytes.size() < kLength) return NeedMore{};
  std::array<std::uint32_t, 3> values{};
  for (std::size_t i = 0; i < values.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[3 + i]);
    if (byte < 32) return Invalid{kLength};
    values[i] = byte - 32u;
  }
  return mouse(mouse_event(values[0], values[1], values[2], false), kLength);
}

Decoding paste(std::string_view bytes) {
  const std::size_t end = bytes.find(kPasteEnd, kPasteStart.size());
  if (end == std::string_view::npos) return NeedMore{};
  return Decoded{PasteEvent{paste_text(bytes.substr(kPasteStart.size(), end - kPasteStart.size()))},
                 end + kPasteEnd.size()};
}

Decoding tilde_sequence(const Params& params, std::size_t length, std::string_view bytes) {
  const std::uint32_t number = params.get(0, 0, Params::kAbsent);
  if (number == 200 && params.count == 1) return paste(bytes);
  // xterm modifyOtherKeys: CSI 27;modifiers;code ~
  if (number == 27) {
    const std::optional<KeyCode> code = numbered_key(params.get(2, 0, Params::kAbsent));
    if (!code || params.count != 3) return Invalid{length};
    return modified_key(*code, params, length);
  }
  const std::optional<KeyCode> code = tilde_key(number);
  if (!code) return Invalid{length};
  return modified_key(*code, params, length);
}

Decoding csi_event(char marker, const Params& params, char final, std::size_t length,
                   std::string_view bytes) {
  if (marker == '<') {
    if (final != 'M' && final != 'm') return Invalid{length};
    return decimal_mouse(params, length, 0, final == 'm');
  }
  if (marker != 0) return Invalid{length};
  switch (final) {
    case 'M':
      return decimal_mouse(params, length, 32, false);
    case 'I':
    case 'O':
      if (params.count != 0) return Invalid{length};
      return Decoded{FocusEvent{final == 'I'}, length};
    case 'Z':
      return modified_key({Key::BackTab}, params, length, Modifiers::Shift);
    case '~':
      return tilde_sequence(params, length, bytes);
    case 'u': {
      // kitty: CSI code[:shifted[:base]];modifiers[:event][;text] u; the first code is the key.
      const std::optional<KeyCode> code = numbered_key(params.get(0, 0, Params::kAbsent));
      if (!code) return Invalid{length};
      return modified_key(*code, params, length);
    }
    default:
      break;
  }
  // Cursor and F1-F4 keys: CSI 1;modifiers X. A first parameter other than 1 is some other
  // report (a cursor position report ends in R) and not a key.
  const std::optional<KeyCode> code = letter_key(final);
  if (!code || params.get(0, 0, 1) != 1) return Invalid{length};
  return modified_key(*code, params, length);
}

Decoding decode_csi(std::string_view bytes) {
  if (bytes.size() < 3) return NeedMore{};
  if (bytes[2] == 'M') return x10_mouse(bytes);
  std::size_t end = 2;
  for (; end < bytes.size(); ++end) {
    const auto c = static_cast<unsigned char>(bytes[end]);
    if (c >= 0x40 && c <= 0x7e) break;
    // A new sequence starts at an ESC; keep it for the next decode.
    if (c == kEsc) return Invalid{end};
    if (c < 0x20 || c > 0x7e) return Invalid{end + 1};
  }
  if (end == bytes.size()) {
    return bytes.size() >= kMaxSequence ? Decoding{Invalid{bytes.size()}} : Decoding{NeedMore{}};
  }

  const std::size_t length = end + 1;
  std::string_view body = bytes.substr(2, end - 2);
  char marker = 0;
  if (!body.empty() && body[0] >= '<' && body[0] <= '?') {
    marker = body[0];
    body.remove_prefix(1);
  }
  // Intermediate bytes never occur in the reports decoded here.
  const bool intermediate = std::any_of(body.begin(), body.end(), [](char c) { return c < 0x30; });
  const std::optional<Params> params = parse_params(body);
  if (intermediate || !params) return Invalid{length};
  return csi_event(marker, *params, bytes[end], length, bytes);
}

// SS3 keys: ESC O X, where old xterms put a modifier digit before X.
Decoding decode_ss3(std::string_view bytes) {
  constexpr std::size_t kMaxDigits = 2;
  std::size_t end = 2;
  while (end < bytes.size() && bytes[end] >= '0' && bytes[end] <= '9') ++end;
  if (end == bytes.size()) {
    return bytes.size() >= kMaxSequence ? Decoding{Invalid{bytes.size()}} : Decoding{NeedMore{}};
  }
  const auto final = static_cast<unsigned char>(bytes[end]);
  if (final < 0x40 || final > 0x7e) {
    // ESC O followed by something that cannot end SS3 was Alt+O typed by hand.
    if (end == 2) return key({Key::Char, U'O'}, 2, Modifiers::Alt);
    return Invalid{final == kEsc ? end : end + 1};
  }
  const std::size_t length = end + 1;
  const std::string_view digits = bytes.substr(2, end - 2);
  if (digits.size() > kMaxDigits) return Invalid{length};
  Modifiers modifiers = Modifiers::None;
  if (!digits.empty()) modifiers = modifiers_from(parse_params(digits)->get(0, 0, 1));
  if (final == 'M') return key({Key::Enter}, length, modifiers);
  const std::optional<KeyCode> code = letter_key(static_cast<char>(final));
  if (!code) return Invalid{length};
  return key(*code, length, modifiers);
}

// ESC followed by a key typed as text: that key with Alt.
Decoding alt_key(std::string_view bytes) {
  Decoding rest = decode_text(bytes.substr(1));
  if (auto* invalid = std::get_if<Invalid>(&rest)) return Invalid{invalid->length + 1};
  if (auto* decoded = std::get_if<Decoded>(&rest)) {
    auto& event = std::get<KeyEvent>(decoded->event);
    event.modifiers = event.modifiers | Modifiers::Alt;
    decoded->length += 1;
  }
  return rest;
}

}  // namespace

Decoding decode(std::string_view bytes) {
  if (bytes.empty()) return NeedMore{};
  if (bytes[0] != kEsc) return decode_text(bytes);
  if (bytes.size() == 1) return NeedMore{};
  switch (bytes[1]) {
    case '[':
      return decode_csi(bytes);
    case 'O':
      return decode_ss3(bytes);
    case kEsc:
      return key({Key::Esc}, 1);
    default:
      return alt_key(bytes);
  }
}

std::string paste_text(std::string_view raw) {
  if (unicode::is_valid_utf8(raw)) return std::string(raw);
  std::string text;
  text.reserve(raw.size());
  for (std::size_t offset = 0; offset < raw.size();) {
    const unicode::Decoded decoded = unicode::decode(raw, offset);
    unicode::append_utf8(text, decoded.code_point);
    offset += decoded.length;
  }
  return text;
}

}  // namespace orvane::term

#include "tui/escape.hpp"

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>

#include "unicode/properties.hpp"
#include "unicode/utf8.hpp"

namespace orvane::tui {

namespace {

// Some terminals keep only the first 16 parameters of a CSI sequence (each ':' part counts),
// so longer SGR changes are split over several sequences.
constexpr std::size_t kMaxParameters = 16;

// One SGR attribute: its parameter text and how many parameters it takes.
struct Group {
  std::array<char, 24> text{};
  std::uint8_t size = 0;
  std::uint8_t parameters = 0;

  void append(std::string_view s) {
    for (char c : s) text[size++] = c;
  }
  void append(unsigned value) {
    size = static_cast<std::uint8_t>(
        std::to_chars(text.data() + size, text.data() + text.size(), value).ptr - text.data());
  }
};

// At most a reset, five modifiers and three colours.
struct Groups {
  std::array<Group, 9> items;
  std::size_t count = 0;

  Group& add(std::uint8_t parameters) {
    Group& group = items[count++];
    group.parameters = parameters;
    return group;
  }

  // Runs `out(text)` over the pieces of the sequences that carry the groups.
  template <class Out>
  void emit(Out&& out) const {
    std::size_t used = 0;
    for (std::size_t i = 0; i < count; ++i) {
      const Group& group = items[i];
      if (used > 0 && used + group.parameters > kMaxParameters) {
        out("m");
        used = 0;
      }
      out(used == 0 ? std::string_view("\x1b[") : std::string_view(";"));
      out(std::string_view(group.text.data(), group.size));
      used += group.parameters;
    }
    if (used > 0) out("m");
  }

  std::size_t encoded_size() const {
    std::size_t size = 0;
    emit([&](std::string_view piece) { size += piece.size(); });
    return size;
  }
};

struct ModifierCodes {
  Modifier modifier;
  unsigned on, off;
};

constexpr ModifierCodes kModifierCodes[] = {
    {Modifier::Bold, 1, 22},       {Modifier::Italic, 3, 23},   {Modifier::Underlined, 4, 24},
    {Modifier::CrossedOut, 9, 29}, {Modifier::Reversed, 7, 27},
};

void add_code(Groups& groups, unsigned code) {
  groups.add(1).append(code);
}

// SGR 38/48 for the foreground (base 30) and background (base 40).
void add_color(Groups& groups, const Color& color, unsigned base) {
  if (const auto* named = std::get_if<Named>(&color)) {
    const auto n = static_cast<unsigned>(*named);
    add_code(groups, n < 8 ? base + n : base + 60 + n - 8);
  } else if (const auto* rgb = std::get_if<Rgb>(&color)) {
    Group& group = groups.add(5);
    group.append(base + 8);
    group.append(";2;");
    group.append(unsigned{rgb->r});
    group.append(";");
    group.append(unsigned{rgb->g});
    group.append(";");
    group.append(unsigned{rgb->b});
  } else {
    add_code(groups, base + 9);
  }
}

// The underline colour uses ':' sub-parameters so that a terminal that does not know SGR 58
// skips it whole instead of reading the colour values as attributes.
void add_underline_color(Groups& groups, const Color& color) {
  if (const auto* named = std::get_if<Named>(&color)) {
    Group& group = groups.add(3);
    group.append("58:5:");
    group.append(static_cast<unsigned>(*named));
  } else if (const auto* rgb = std::get_if<Rgb>(&color)) {
    Group& group = groups.add(6);
    group.append("58:2::");
    group.append(unsigned{rgb->r});
    group.append(":");
    group.append(unsigned{rgb->g});
    group.append(":");
    group.append(unsigned{rgb->b});
  } else {
    add_code(groups, 59);
  }
}

Groups switched(const Pen& from, const Pen& to) {
  Groups groups;
  for (const auto& codes : kModifierCodes) {
    const bool was = contains(from.modifiers, codes.modifier);
    const bool is = contains(to.modifiers, codes.modifier);
    if (was != is) add_code(groups, is ? codes.on : codes.off);
  }
  if (from.fg != to.fg) add_color(groups, to.fg, 30);
  if (from.bg != to.bg) add_color(groups, to.bg, 40);
  if (from.underline != to.underline) add_underline_color(groups, to.underline);
  return groups;
}

Groups reset_to(const Pen& to) {
  Groups groups;
  add_code(groups, 0);
  for (const auto& codes : kModifierCodes) {
    if (contains(to.modifiers, codes.modifier)) add_code(groups, codes.on);
  }
  if (!std::holds_alternative<Reset>(to.fg)) add_color(groups, to.fg, 30);
  if (!std::holds_alternative<Reset>(to.bg)) add_color(groups, to.bg, 40);
  if (!std::holds_alternative<Reset>(to.underline)) add_underline_color(groups, to.underline);
  return groups;
}

bool is_printable(std::string_view symbol) {
  if (!unicode::is_valid_utf8(symbol)) return false;
  for (std::size_t offset = 0; offset < symbol.size();) {
    const unicode::Decoded decoded = unicode::decode(symbol, offset);
    if (unicode::is_control(decoded.code_point)) return false;
    offset += decoded.length;
  }
  return !symbol.empty();
}

void append_number(std::string& out, unsigned value) {
  std::array<char, 10> digits;
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
  out.append(digits.data(), end);
}

}  // namespace

void append_move(std::string& out, Position position) {
  out += "\x1b[";
  append_number(out, position.y + 1u);
  out += ';';
  append_number(out, position.x + 1u);
  out += 'H';
}

void append_sgr(std::string& out, const Pen& from, const Pen& to) {
  if (from == to) return;
  const Groups changes = switched(from, to);
  const Groups fresh = reset_to(to);
  const Groups& best = fresh.encoded_size() < changes.encoded_size() ? fresh : changes;
  best.emit([&](std::string_view piece) { out += piece; });
}

bool append_symbol(std::string& out, std::string_view symbol, std::size_t width) {
  const auto first = symbol.empty() ? 0 : static_cast<unsigned char>(symbol[0]);
  const bool printable = symbol.size() == 1 ? first >= 0x20 && first < 0x7F : is_printable(symbol);
  if (printable) {
    out += symbol;
  } else {
    out.append(width, ' ');
  }
  return printable;
}

}  // namespace orvane::tui

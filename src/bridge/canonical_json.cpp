#include "bridge/canonical_json.hpp"

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "bridge/compact_json.hpp"
#include "bridge/printable.hpp"
#include "unicode/utf8.hpp"

namespace orvane::bridge {
namespace {

constexpr char kHex[] = "0123456789abcdef";

struct Member {
  std::size_t key_begin = 0;  // unescaped key, in Scratch::keys
  std::size_t key_end = 0;
  std::size_t begin = 0;  // span of `"key":value` in the output
  std::size_t end = 0;
};

struct Frame {
  bool object = false;
  std::size_t text_offset = 0;   // where the container opened, for messages
  std::size_t first_member = 0;  // in Scratch::members
  std::size_t first_key = 0;     // in Scratch::keys
};

// Storage kept from one value to the next: canonicalising small values is
// otherwise dominated by allocating it.
struct Scratch {
  std::vector<Frame> stack;
  std::vector<Member> members;
  std::string keys;
  std::string given;
};

bool is_space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void append_escaped(std::string& out, char32_t c) {
  switch (c) {
    case '"':
      out += "\\\"";
      return;
    case '\\':
      out += "\\\\";
      return;
    case '\b':
      out += "\\b";
      return;
    case '\f':
      out += "\\f";
      return;
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\t':
      out += "\\t";
      return;
    default:
      break;
  }
  if (c < 0x20) {
    out += "\\u00";
    out += kHex[c >> 4];
    out += kHex[c & 0xf];
  } else {
    unicode::append_utf8(out, c);
  }
}

class Canonicaliser {
 public:
  Canonicaliser(std::string_view text, std::size_t depth, std::size_t max_depth, std::string& out,
                Scratch& scratch)
      : text_(text),
        depth_(depth),
        max_depth_(max_depth),
        out_(out),
        stack_(scratch.stack),
        members_(scratch.members),
        keys_(scratch.keys),
        given_(scratch.given) {
    stack_.clear();
    members_.clear();
    keys_.clear();
  }

  std::optional<JsonError> run() {
    if (parse()) return std::nullopt;
    return std::move(error_);
  }

 private:
  bool parse() {
    bool want_value = true;
    while (true) {
      skip_space();
      if (want_value) {
        if (!value()) return false;
        // After opening a non-empty container its first element is due.
        want_value = opened_;
        opened_ = false;
        continue;
      }
      if (stack_.empty()) return pos_ == text_.size() || fail("unexpected text after the value");
      if (pos_ == text_.size()) return fail("unexpected end of text");
      const bool object = stack_.back().object;
      if (object) members_.back().end = out_.size();
      const char c = text_[pos_];
      if (c == ',') {
        ++pos_;
        out_ += ',';
        if (object && !key()) return false;
        want_value = true;
      } else if (c == (object ? '}' : ']')) {
        ++pos_;
        if (object) {
          if (!close_object()) return false;
        } else {
          out_ += ']';
        }
        stack_.pop_back();
      } else {
        return fail(object ? "expected ',' or '}'" : "expected ',' or ']'");
      }
    }
  }

  bool fail(std::string what) { return fail_at(pos_, std::move(what)); }

  bool fail_at(std::size_t offset, std::string what) {
    error_ = JsonError{offset, std::move(what)};
    return false;
  }

  void skip_space() {
    while (pos_ < text_.size() && is_space(text_[pos_])) ++pos_;
  }

  // Reads one value; a container is only opened (its elements follow in parse()).
  bool value() {
    if (pos_ == text_.size()) return fail("unexpected end of text");
    const char c = text_[pos_];
    if (c == '{' || c == '[') return open(c == '{');
    if (c == '"') return string(nullptr);
    if (c == '-' || is_digit(c)) return number();
    for (std::string_view literal : {"true", "false", "null"}) {
      if (text_.substr(pos_, literal.size()) == literal) {
        pos_ += literal.size();
        out_ += literal;
        return true;
      }
    }
    return fail("unexpected character '" + printable(text_.substr(pos_, 1)) + "'");
  }

  bool open(bool object) {
    if (depth_ + stack_.size() + 1 > max_depth_) {
      return fail("nested deeper than " + std::to_string(max_depth_) + " levels");
    }
    stack_.push_back(Frame{object, pos_, members_.size(), keys_.size()});
    out_ += object ? '{' : '[';
    ++pos_;
    skip_space();
    if (pos_ < text_.size() && text_[pos_] == (object ? '}' : ']')) {
      ++pos_;
      out_ += object ? '}' : ']';
      stack_.pop_back();
      return true;
    }
    opened_ = true;
    return !object || key();
  }

  bool key() {
    skip_space();
    if (pos_ == text_.size() || text_[pos_] != '"') return fail("expected a key");
    const std::size_t key_begin = keys_.size();
    const std::size_t begin = out_.size();
    if (!string(&keys_)) return false;
    members_.push_back(Member{key_begin, keys_.size(), begin, 0});
    skip_space();
    if (pos_ == text_.size() || text_[pos_] != ':') return fail("expected ':'");
    ++pos_;
    out_ += ':';
    return true;
  }

  std::string_view key_of(const Member& member) const {
    return std::string_view(keys_).substr(member.key_begin, member.key_end - member.key_begin);
  }

  // Orders the members by key; the output holds them in the order given.
  bool close_object() {
    const Frame& frame = stack_.back();
    const auto members = std::span(members_).subspan(frame.first_member);
    const auto before = [&](const Member& a, const Member& b) { return key_of(a) < key_of(b); };
    bool strictly_ascending = true;
    for (std::size_t i = 1; i < members.size(); ++i) {
      if (!before(members[i - 1], members[i])) strictly_ascending = false;
    }
    if (!strictly_ascending) {
      const std::size_t first = members.front().begin;
      // Equal keys are refused below, so the sort need not be stable.
      std::sort(members.begin(), members.end(), before);
      for (std::size_t i = 1; i < members.size(); ++i) {
        if (key_of(members[i - 1]) == key_of(members[i])) {
          return fail_at(frame.text_offset,
                         "duplicate key \"" + printable(key_of(members[i])) + "\"");
        }
      }
      given_.assign(out_, first);
      out_.resize(first);
      for (std::size_t i = 0; i < members.size(); ++i) {
        if (i > 0) out_ += ',';
        out_.append(given_, members[i].begin - first, members[i].end - members[i].begin);
      }
    }
    out_ += '}';
    members_.resize(frame.first_member);
    keys_.resize(frame.first_key);
    return true;
  }

  // Copies a string re-escaped; `unescaped` also receives its plain bytes.
  bool string(std::string* unescaped) {
    ++pos_;
    out_ += '"';
    while (true) {
      const std::size_t run = plain_run();
      if (run > 0) {
        out_.append(text_, pos_, run);
        if (unescaped != nullptr) unescaped->append(text_, pos_, run);
        pos_ += run;
      }
      if (pos_ == text_.size()) return fail("unterminated string");
      const char c = text_[pos_];
      if (c == '"') {
        ++pos_;
        out_ += '"';
        return true;
      }
      if (static_cast<std::uint8_t>(c) < 0x20) return fail("control character in a string");
      if (c == '\\') {
        char32_t code_point = 0;
        if (!escape(code_point)) return false;
        append_escaped(out_, code_point);
        if (unescaped != nullptr) unicode::append_utf8(*unescaped, code_point);
        continue;
      }
      const std::size_t n = unicode::sequence_length(text_, pos_);
      if (n == 0) return fail("invalid UTF-8");
      out_.append(text_, pos_, n);
      if (unescaped != nullptr) unescaped->append(text_, pos_, n);
      pos_ += n;
    }
  }

  // Length of the run of bytes at pos_ that are copied as they stand:
  // printable ASCII other than quote and backslash.
  std::size_t plain_run() const {
    std::size_t end = pos_;
    while (end < text_.size()) {
      const auto c = static_cast<std::uint8_t>(text_[end]);
      if (c < 0x20 || c >= 0x80 || c == '"' || c == '\\') break;
      ++end;
    }
    return end - pos_;
  }

  bool escape(char32_t& code_point) {
    if (pos_ + 1 >= text_.size()) return fail("unterminated string");
    const char c = text_[pos_ + 1];
    const std::string_view simple = "\"\\/bfnrt";
    const std::string_view meaning = "\"\\/\b\f\n\r\t";
    if (const auto k = simple.find(c); k != std::string_view::npos) {
      code_point = static_cast<unsigned char>(meaning[k]);
      pos_ += 2;
      return true;
    }
    if (c != 'u') return fail("invalid escape \\" + printable(text_.substr(pos_ + 1, 1)));
    int high = 0;
    if (!hex4(pos_ + 2, high)) return fail("invalid \\u escape");
    pos_ += 6;
    if (high >= 0xdc00 && high <= 0xdfff) return fail("lone surrogate in \\u escape");
    if (high >= 0xd800 && high <= 0xdbff) {
      int low = 0;
      if (text_.substr(pos_, 2) != "\\u" || !hex4(pos_ + 2, low) || low < 0xdc00 || low > 0xdfff) {
        return fail("lone surrogate in \\u escape");
      }
      pos_ += 6;
      code_point = 0x10000 + ((static_cast<char32_t>(high) - 0xd800) << 10) +
                   (static_cast<char32_t>(low) - 0xdc00);
      return true;
    }
    code_point = static_cast<char32_t>(high);
    return true;
  }

  bool hex4(std::size_t at, int& value) const {
    if (at + 4 > text_.size()) return false;
    value = 0;
    for (std::size_t k = 0; k < 4; ++k) {
      const int digit = hex_value(text_[at + k]);
      if (digit < 0) return false;
      value = value * 16 + digit;
    }
    return true;
  }

  // Numbers are kept exactly as written, so only their syntax is checked.
  bool number() {
    const std::size_t start = pos_;
    const auto digits = [&] {
      const std::size_t from = pos_;
      while (pos_ < text_.size() && is_digit(text_[pos_])) ++pos_;
      return pos_ - from;
    };
    if (text_[pos_] == '-') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '0') {
      ++pos_;
    } else if (digits() == 0) {
      return fail_at(start, "invalid number");
    }
    if (pos_ < text_.size() && text_[pos_] == '.') {
      ++pos_;
      if (digits() == 0) return fail_at(start, "invalid number");
    }
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      ++pos_;
      if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
      if (digits() == 0) return fail_at(start, "invalid number");
    }
    if (pos_ < text_.size() && (is_digit(text_[pos_]) || text_[pos_] == '.')) {
      return fail_at(start, "invalid number");
    }
    out_.append(text_, start, pos_ - start);
    return true;
  }

  std::string_view text_;
  std::size_t depth_;
  std::size_t max_depth_;
  std::string& out_;
  std::vector<Frame>& stack_;
  std::vector<Member>& members_;
  std::string& keys_;
  std::string& given_;
  std::size_t pos_ = 0;
  bool opened_ = false;  // value() opened a non-empty container
  std::optional<JsonError> error_;
};

}  // namespace

std::optional<JsonError> append_canonical_json(std::string_view text, std::size_t depth,
                                               std::size_t max_depth, std::string& out) {
  // Most values come compact and plain from the bridge and take a quicker way.
  if (append_compact_json(text, depth, max_depth, out)) return std::nullopt;
  thread_local Scratch scratch;
  return Canonicaliser(text, depth, max_depth, out, scratch).run();
}

}  // namespace orvane::bridge

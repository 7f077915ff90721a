#include "bridge/compact_json.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace orvane::bridge {
namespace {

constexpr std::size_t kMaxLevels = 16;
constexpr std::size_t kMaxMembers = 64;  // of all open objects together

// Left uninitialised in their arrays: only the entries in use are read.
struct Member {
  const char* key;  // as written, which is also its unescaped form here
  std::size_t key_size;
  std::size_t begin;  // span of `"key":value` in the output
  std::size_t end;

  std::string_view name() const { return {key, key_size}; }
};

struct Level {
  bool object;
  std::size_t first_member;
};

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

class Compact {
 public:
  Compact(std::string_view text, std::size_t depth, std::size_t max_depth, std::string& out,
          std::string& given)
      : text_(text), depth_(depth), max_depth_(max_depth), out_(out), given_(given) {}

  bool run() {
    bool want_value = true;
    while (true) {
      if (want_value) {
        if (!value()) return false;
        want_value = opened_;
        opened_ = false;
        continue;
      }
      if (levels_ == 0) return pos_ == text_.size();
      if (pos_ == text_.size()) return false;
      const Level& top = level_[levels_ - 1];
      if (top.object) member_[members_ - 1].end = out_.size();
      const char c = text_[pos_++];
      if (c == ',') {
        out_ += ',';
        want_value = !top.object || key();
        if (!want_value) return false;
      } else if (c == (top.object ? '}' : ']')) {
        if (top.object && !close_object()) return false;
        if (!top.object) out_ += ']';
        --levels_;
      } else {
        return false;
      }
    }
  }

 private:
  bool value() {
    if (pos_ == text_.size()) return false;
    const char c = text_[pos_];
    if (c == '{' || c == '[') return open(c == '{');
    if (c == '"') return string().data() != nullptr;
    if (c == '-' || is_digit(c)) return number();
    for (std::string_view literal : {"true", "false", "null"}) {
      if (text_.substr(pos_, literal.size()) == literal) {
        pos_ += literal.size();
        out_ += literal;
        return true;
      }
    }
    return false;
  }

  bool open(bool object) {
    if (levels_ == kMaxLevels || depth_ + levels_ + 1 > max_depth_) return false;
    level_[levels_++] = Level{object, members_};
    out_ += text_[pos_++];
    if (pos_ < text_.size() && text_[pos_] == (object ? '}' : ']')) {
      out_ += text_[pos_++];
      --levels_;
      return true;
    }
    opened_ = true;
    return !object || key();
  }

  bool key() {
    if (members_ == kMaxMembers || pos_ == text_.size() || text_[pos_] != '"') return false;
    const std::size_t begin = out_.size();
    const std::string_view key = string();
    if (key.data() == nullptr || pos_ == text_.size() || text_[pos_] != ':') return false;
    ++pos_;
    out_ += ':';
    member_[members_++] = Member{key.data(), key.size(), begin, 0};
    return true;
  }

  // Copies a string of plain ASCII; returns its content, or no text when it
  // holds anything else.
  std::string_view string() {
    const std::size_t begin = ++pos_;
    while (pos_ < text_.size()) {
      const auto c = static_cast<std::uint8_t>(text_[pos_]);
      if (c == '"') {
        out_.append(text_, begin - 1, pos_ - begin + 2);
        return text_.substr(begin, pos_++ - begin);
      }
      if (c < 0x20 || c >= 0x80 || c == '\\') break;
      ++pos_;
    }
    return {};
  }

  bool number() {
    const std::size_t start = pos_;
    const auto digits = [&] {
      const std::size_t from = pos_;
      while (pos_ < text_.size() && is_digit(text_[pos_])) ++pos_;
      return pos_ > from;
    };
    if (text_[pos_] == '-') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '0') {
      ++pos_;
    } else if (!digits()) {
      return false;
    }
    if (pos_ < text_.size() && text_[pos_] == '.' && (++pos_, !digits())) return false;
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      ++pos_;
      if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
      if (!digits()) return false;
    }
    out_.append(text_, start, pos_ - start);
    return true;
  }

  // Orders the members by key; repeated keys are left to the general path.
  bool close_object() {
    const std::size_t first = level_[levels_ - 1].first_member;
    Member* members = member_.data() + first;
    const std::size_t count = members_ - first;
    bool sorted = true;
    for (std::size_t i = 1; i < count; ++i) {
      if (members[i - 1].name() == members[i].name()) return false;
      if (members[i].name() < members[i - 1].name()) sorted = false;
    }
    if (!sorted) {
      const std::size_t from = members[0].begin;
      // At most kMaxMembers, so an insertion sort.
      for (std::size_t i = 1; i < count; ++i) {
        for (std::size_t j = i; j > 0 && members[j].name() < members[j - 1].name(); --j) {
          std::swap(members[j], members[j - 1]);
        }
      }
      for (std::size_t i = 1; i < count; ++i) {
        if (members[i - 1].name() == members[i].name()) return false;
      }
      given_.assign(out_, from);
      out_.resize(from);
      for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) out_ += ',';
        out_.append(given_, members[i].begin - from, members[i].end - members[i].begin);
      }
    }
    out_ += '}';
    members_ = first;
    return true;
  }

  std::string_view text_;
  std::size_t depth_;
  std::size_t max_depth_;
  std::string& out_;
  std::string& given_;  // the members of an object before ordering
  std::size_t pos_ = 0;
  bool opened_ = false;  // value() opened a non-empty container
  std::array<Level, kMaxLevels> level_;
  std::size_t levels_ = 0;
  std::array<Member, kMaxMembers> member_;
  std::size_t members_ = 0;
};

}  // namespace

bool append_compact_json(std::string_view text, std::size_t depth, std::size_t max_depth,
                         std::string& out) {
  thread_local std::string given;
  const std::size_t start = out.size();
  if (Compact(text, depth, max_depth, out, given).run()) return true;
  out.resize(start);
  return false;
}

}  // namespace orvane::bridge

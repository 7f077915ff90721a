#include "bridge/decode.hpp"

#include <simdjson.h>

#include <algorithm>
#include <concepts>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "bridge/canonical_json.hpp"
#include "bridge/printable.hpp"
#include "bridge/record_fields.hpp"

namespace orvane::bridge {
namespace {

namespace od = simdjson::ondemand;

static_assert(kMaxJsonDepth == simdjson::DEFAULT_MAX_DEPTH);
static_assert(kLinePadding >= simdjson::SIMDJSON_PADDING);

// A failure on its way out. The keys and indexes around it are prepended
// to `path` while it unwinds, so the successful path pays nothing for them.
struct Failure {
  std::string path;
  std::string what;
};
using Status = std::optional<Failure>;

void prepend(Failure& failure, std::string step) {
  if (!failure.path.empty() && failure.path.front() != '[') step += '.';
  failure.path.insert(0, step);
}

std::string index_step(std::size_t index) {
  std::string step = "[";
  step += std::to_string(index);
  step += ']';
  return step;
}

std::string_view trimmed(std::string_view token) {
  while (!token.empty() && (token.back() == ' ' || token.back() == '\t' || token.back() == '\n' ||
                            token.back() == '\r')) {
    token.remove_suffix(1);
  }
  return token;
}

// Escaped strings at least this long (quotes included) skip the parser's buffer.
constexpr std::size_t kDirectUnescape = 256;

// Where the content of the string token ends when it holds no escape, else
// null: the first quote, when no backslash comes before it. Found scanning
// forward, as the copy will: looking at the token's last byte first would
// cost a cache miss for every long text.
const char* plain_end(std::string_view token) {
  const char* begin = token.data() + 1;
  const std::size_t size = token.size() - 1;
  // Most strings are short, where a loop beats the calls to memchr.
  if (size <= 32) {
    for (const char* p = begin; p != begin + size; ++p) {
      if (*p == '"') return p;
      if (*p == '\\') return nullptr;
    }
    return nullptr;
  }
  const auto* quote = static_cast<const char*>(std::memchr(begin, '"', size));
  if (quote == nullptr || std::memchr(begin, '\\', static_cast<std::size_t>(quote - begin))) {
    return nullptr;
  }
  return quote;
}

// Keys are short, and most candidates differ in length or first byte.
bool same_key(std::string_view known, std::string_view key) {
  if (known.size() != key.size()) return false;
  for (std::size_t i = 0; i < key.size(); ++i) {
    if (known[i] != key[i]) return false;
  }
  return true;
}

// The key after its opening quote when it holds no escape, else no text.
std::string_view plain_key(const char* raw) {
  for (const char* end = raw;; ++end) {
    if (*end == '"') return {raw, static_cast<std::size_t>(end - raw)};
    if (*end == '\\') return {};
  }
}

std::string message(const Failure& failure) {
  if (failure.path.empty()) return failure.what;
  // Members nested hundreds deep make paths no one reads whole.
  constexpr std::size_t kHead = 60;
  constexpr std::size_t kTail = 100;
  std::string path = failure.path;
  if (path.size() > kHead + kTail)
    path = path.substr(0, kHead) + "…" + path.substr(path.size() - kTail);
  return path + ": " + failure.what;
}

// simdjson's string unescaper (missing if it cannot be had), with a buffer
// for its output that is kept from one string to the next.
struct Unescaper {
  std::unique_ptr<simdjson::internal::dom_parser_implementation> implementation;
  std::unique_ptr<std::uint8_t[]> buffer;
  std::size_t capacity = 0;

  Unescaper() {
    if (simdjson::get_active_implementation()->create_dom_parser_implementation(0, 0,
                                                                                implementation)) {
      implementation.reset();
    }
  }
};

// Reads the line into the records. `depth` is the nesting level of the value
// being read (the line's object is level 1); every array and object checks it
// against kMaxJsonDepth, since the on-demand parser does not.
class Decoder {
 public:
  Decoder(const char* base, od::document& document, Unescaper& strings)
      : base_(base), document_(document), strings_(strings) {}

  Status snapshot(Snapshot& out) {
    od::object object;
    if (const auto error = document_.get_object().get(object)) {
      if (error != simdjson::INCORRECT_TYPE)
        return Failure{"", std::string("invalid JSON: ") + simdjson::error_message(error)};
      od::json_type type{};
      const bool array = !document_.type().get(type) && type == od::json_type::array;
      return Failure{"",
                     std::string("expected an object, found ") + (array ? "an array" : "a scalar")};
    }
    if (auto failure = fields(object, 1, out, kSnapshotFields, false)) return failure;
    if (const auto location = document_.current_location(); !location.error()) {
      return Failure{
          "", "unexpected text after the object at offset " + offset(location.value_unsafe())};
    }
    return std::nullopt;
  }

 private:
  std::string offset(const char* at) const { return std::to_string(at - base_); }

  Status syntax(simdjson::error_code error) {
    std::string where;
    if (const auto location = document_.current_location(); !location.error()) {
      where = " at offset " + offset(location.value_unsafe());
    }
    return Failure{"", "invalid JSON" + where + ": " + simdjson::error_message(error)};
  }

  static Status too_deep() {
    return Failure{"", "nested deeper than " + std::to_string(kMaxJsonDepth) + " levels"};
  }

  static std::string found(od::value& v) {
    od::json_type type{};
    if (!v.type().get(type)) {
      if (type == od::json_type::object) return "an object";
      if (type == od::json_type::array) return "an array";
    }
    return printable(trimmed(v.raw_json_token()));
  }

  static Status expected(std::string what, od::value& v) {
    return Failure{"", "expected " + std::move(what) + ", found " + found(v)};
  }

  // The exact text of a value, without consuming more than the value.
  Status raw_text(od::value& v, std::string_view& raw) {
    od::json_type type{};
    if (const auto error = v.type().get(type)) return syntax(error);
    simdjson::error_code error = simdjson::SUCCESS;
    if (type == od::json_type::object) {
      od::object object;
      error = v.get_object().get(object);
      if (!error) error = object.raw_json().get(raw);
    } else if (type == od::json_type::array) {
      od::array array;
      error = v.get_array().get(array);
      if (!error) error = array.raw_json().get(raw);
    } else {
      raw = v.raw_json_token();
    }
    if (error) return syntax(error);
    raw = trimmed(raw);
    return std::nullopt;
  }

  // Free values are canonicalised here, which also validates them fully:
  // the on-demand parser only checks the structure of what it skips.
  Status canonical(std::string_view raw, std::size_t depth, std::string& out) {
    if (auto error = append_canonical_json(raw, depth - 1, kMaxJsonDepth, out)) {
      return Failure{"", error->what + " at offset " + offset(raw.data() + error->offset)};
    }
    return std::nullopt;
  }

  Status skip(od::value v, std::size_t depth) {
    std::string_view raw;
    if (auto failure = raw_text(v, raw)) return failure;
    scratch_.clear();
    return canonical(raw, depth, scratch_);
  }

  template <typename Record, typename... T>
  Status fields(od::object object, std::size_t depth, Record& out,
                const std::tuple<Field<Record, T>...>& table, bool all_required) {
    static_assert(sizeof...(T) <= 64, "seen keys are kept in a 64-bit mask");
    if (depth > kMaxJsonDepth) return too_deep();
    std::uint64_t seen = 0;
    std::vector<std::string> unknown;
    for (auto result : object) {
      if (const auto error = result.error()) return syntax(error);
      // Taken by reference: copying the field costs a store-forwarding stall.
      od::field& entry = result.value_unsafe();
      std::string_view key = plain_key(entry.key().raw());
      if (key.data() == nullptr) {
        if (const auto error = entry.unescaped_key().get(key)) return syntax(error);
      }
      const std::size_t index = key_index(key, table);
      if (index == sizeof...(T)) {
        if (std::find(unknown.begin(), unknown.end(), key) != unknown.end()) {
          return Failure{"", "duplicate key \"" + printable(key) + "\""};
        }
        unknown.emplace_back(key);
        if (auto failure = skip(entry.value(), depth + 1)) {
          prepend(*failure, printable(key));
          return failure;
        }
        continue;
      }
      if (seen >> index & 1) return Failure{"", "duplicate key \"" + printable(key) + "\""};
      seen |= std::uint64_t{1} << index;
      if (auto failure = read_field(entry.value(), depth + 1, out, table, index)) {
        prepend(*failure, std::string(key));
        return failure;
      }
    }
    if (all_required && seen != (std::uint64_t{1} << sizeof...(T)) - 1) {
      std::size_t index = 0;
      std::string_view missing;
      std::apply(
          [&](const auto&... f) {
            ((missing.empty() && !(seen >> index++ & 1) ? void(missing = f.key) : void()), ...);
          },
          table);
      return Failure{"", "missing key \"" + std::string(missing) + "\""};
    }
    return std::nullopt;
  }

  // The position of `key` in the table, or the table's size.
  template <typename Record, typename... T>
  static std::size_t key_index(std::string_view key, const std::tuple<Field<Record, T>...>& table) {
    std::size_t index = 0;
    std::apply([&](const auto&... f) { ((same_key(f.key, key) || (++index, false)) || ...); },
               table);
    return index;
  }

  // Reads the field at `index` of the table into its member of `out`.
  template <std::size_t I = 0, typename Record, typename... T>
  Status read_field(od::value& v, std::size_t depth, Record& out,
                    const std::tuple<Field<Record, T>...>& table, std::size_t index) {
    if constexpr (I < sizeof...(T)) {
      if (index == I) return read(v, depth, out.*std::get<I>(table).member);
      return read_field<I + 1>(v, depth, out, table, index);
    } else {
      return std::nullopt;
    }
  }

  template <typename Record, typename... T>
  Status record(od::value& v, std::size_t depth, Record& out,
                const std::tuple<Field<Record, T>...>& table, bool all_required = false) {
    od::object object;
    if (v.get_object().get(object)) return expected("an object", v);
    return fields(object, depth, out, table, all_required);
  }

  template <std::size_t I = 0, typename Row, typename... T>
  Status read_element(od::value& v, std::size_t depth, Row& out,
                      const std::tuple<T Row::*...>& elements, std::size_t index) {
    if constexpr (I < sizeof...(T)) {
      if (index == I) return read(v, depth, out.*std::get<I>(elements));
      return read_element<I + 1>(v, depth, out, elements, index);
    } else {
      return std::nullopt;
    }
  }

  template <typename Row, typename... T>
  Status row(od::value& v, std::size_t depth, Row& out, const std::tuple<T Row::*...>& elements) {
    constexpr std::size_t kCount = sizeof...(T);
    const auto shape = [] { return "an array of " + std::to_string(kCount) + " elements"; };
    od::array array;
    if (v.get_array().get(array)) return expected(shape(), v);
    if (depth > kMaxJsonDepth) return too_deep();
    std::size_t index = 0;
    for (auto result : array) {
      od::value item;
      if (const auto error = std::move(result).get(item)) return syntax(error);
      if (index < kCount) {
        if (auto failure = read_element(item, depth + 1, out, elements, index)) {
          prepend(*failure, index_step(index));
          return failure;
        }
      }
      ++index;
    }
    if (index != kCount)
      return Failure{"", "expected " + shape() + ", found " + std::to_string(index)};
    return std::nullopt;
  }

  Status read(od::value& v, std::size_t, std::string& out) {
    if (const std::string_view token = v.raw_json_token(); !token.empty() && token.front() == '"') {
      // Most strings hold no escape: their bytes are taken from the line as
      // they stand (the parser has checked them for UTF-8 and raw controls).
      if (const char* end = plain_end(token)) {
        out = std::string(token.data() + 1, end);
        return std::nullopt;
      }
      if (token.size() >= kDirectUnescape && unescape_into(token, out)) return std::nullopt;
    }
    std::string_view text;
    if (const auto error = v.get_string().get(text)) {
      if (error == simdjson::INCORRECT_TYPE) return expected("a string", v);
      return Failure{"", "invalid string " + printable(trimmed(v.raw_json_token()))};
    }
    out.assign(text);
    return std::nullopt;
  }

  // Long texts with escapes are unescaped into a buffer that stays in the
  // cache, instead of into the parser's buffer that spans the whole line.
  // The unescaper is the one the on-demand parser itself calls, taken from
  // simdjson's internal interface. False when an escape is invalid.
  bool unescape_into(std::string_view token, std::string& out) {
    if (strings_.implementation == nullptr) return false;
    // The unescaper writes whole blocks, up to kLinePadding bytes past the text.
    const std::size_t needed = token.size() + kLinePadding;
    if (strings_.capacity < needed) {
      strings_.buffer = std::make_unique_for_overwrite<std::uint8_t[]>(needed);
      strings_.capacity = needed;
    }
    std::uint8_t* begin = strings_.buffer.get();
    const std::uint8_t* end = strings_.implementation->parse_string(
        reinterpret_cast<const std::uint8_t*>(token.data()) + 1, begin);
    if (end == nullptr) return false;
    out = std::string(reinterpret_cast<const char*>(begin), static_cast<std::size_t>(end - begin));
    return true;
  }

  Status read(od::value& v, std::size_t, bool& out) {
    if (v.get_bool().get(out)) return expected("true or false", v);
    return std::nullopt;
  }

  template <std::unsigned_integral T>
  requires(!std::same_as<T, bool>) Status read(od::value& v, std::size_t, T& out) {
    std::uint64_t n = 0;
    if (v.get_uint64().get(n) || n > std::numeric_limits<T>::max()) {
      return expected("an integer in 0.." + std::to_string(std::numeric_limits<T>::max()), v);
    }
    out = static_cast<T>(n);
    return std::nullopt;
  }

  Status read(od::value& v, std::size_t, std::int64_t& out) {
    if (v.get_int64().get(out)) {
      return expected("an integer in " + std::to_string(std::numeric_limits<std::int64_t>::min()) +
                          ".." + std::to_string(std::numeric_limits<std::int64_t>::max()),
                      v);
    }
    return std::nullopt;
  }

  Status read(od::value& v, std::size_t, double& out) {
    if (v.get_double().get(out)) return expected("a number", v);
    return std::nullopt;
  }

  Status read(od::value& v, std::size_t depth, std::optional<JsonValue>& out) {
    std::string_view raw;
    if (auto failure = raw_text(v, raw)) return failure;
    if (raw == "null") {
      out.reset();
      return std::nullopt;
    }
    JsonValue value;
    value.text.reserve(raw.size());
    if (auto failure = canonical(raw, depth, value.text)) return failure;
    out = std::move(value);
    return std::nullopt;
  }

  template <typename T>
  Status read(od::value& v, std::size_t depth, std::optional<T>& out) {
    bool null = false;
    if (!v.is_null().get(null) && null) {
      out.reset();
      return std::nullopt;
    }
    return read(v, depth, out.emplace());
  }

  template <typename T>
  Status read(od::value& v, std::size_t depth, std::vector<T>& out) {
    od::array array;
    if (v.get_array().get(array)) return expected("an array", v);
    if (depth > kMaxJsonDepth) return too_deep();
    // Nested arrays are counted first so that each is allocated once. The
    // top-level ones span most of the line and are left to grow: counting
    // them would cost another pass over it.
    if (depth > 2) {
      std::size_t count = 0;
      if (!array.count_elements().get(count)) out.reserve(count);
    }
    std::size_t index = 0;
    for (auto result : array) {
      od::value item;
      if (const auto error = std::move(result).get(item)) return syntax(error);
      if (auto failure = read(item, depth + 1, out.emplace_back())) {
        prepend(*failure, index_step(index));
        return failure;
      }
      ++index;
    }
    return std::nullopt;
  }

  Status read(od::value& v, std::size_t depth, Item& out) {
    return record(v, depth, out, kItemFields);
  }
  Status read(od::value& v, std::size_t depth, Choice& out) {
    return record(v, depth, out, kChoiceFields, true);
  }
  Status read(od::value& v, std::size_t depth, Prompt& out) {
    return record(v, depth, out, kPromptFields, true);
  }
  Status read(od::value& v, std::size_t depth, Form& out) {
    return record(v, depth, out, kFormFields);
  }
  Status read(od::value& v, std::size_t depth, Session& out) {
    return record(v, depth, out, kSessionFields);
  }
  Status read(od::value& v, std::size_t depth, Content& out) {
    return record(v, depth, out, kContentFields);
  }
  Status read(od::value& v, std::size_t depth, Nav& out) {
    return record(v, depth, out, kNavFields);
  }
  Status read(od::value& v, std::size_t depth, FileChange& out) {
    return record(v, depth, out, kFileChangeFields);
  }
  Status read(od::value& v, std::size_t depth, DetailsPanel& out) {
    return record(v, depth, out, kDetailsPanelFields);
  }
  Status read(od::value& v, std::size_t depth, DiffRow& out) {
    return row(v, depth, out, kDiffRowElements);
  }
  Status read(od::value& v, std::size_t depth, NavEntry& out) {
    return row(v, depth, out, kNavEntryElements);
  }
  Status read(od::value& v, std::size_t depth, LabelValue& out) {
    return row(v, depth, out, kLabelValueElements);
  }
  Status read(od::value& v, std::size_t depth, McpRow& out) {
    return row(v, depth, out, kMcpRowElements);
  }

  const char* base_;
  od::document& document_;
  Unescaper& strings_;
  std::string scratch_;  // canonical text of skipped values, thrown away
};

// simdjson reads up to kLinePadding bytes past the end of its input. A line
// without that much spare capacity is copied into a buffer that has it;
// the buffer and the parser's own memory are kept for the next line.
struct Workspace {
  od::parser parser;
  std::unique_ptr<char[]> buffer;
  std::size_t capacity = 0;
  Unescaper strings;
};

}  // namespace

std::variant<Snapshot, DecodeError> decode_snapshot(const std::string& line) {
  thread_local Workspace workspace;
  const std::size_t needed = line.size() + kLinePadding;
  const char* text = line.data();
  std::size_t capacity = line.capacity();
  if (capacity < needed) {
    if (workspace.capacity < needed) {
      workspace.buffer = std::make_unique_for_overwrite<char[]>(needed);
      workspace.capacity = needed;
    }
    std::memcpy(workspace.buffer.get(), line.data(), line.size());
    std::memset(workspace.buffer.get() + line.size(), 0, kLinePadding);
    text = workspace.buffer.get();
    capacity = workspace.capacity;
  }

  od::document document;
  if (const auto error = workspace.parser.iterate(text, line.size(), capacity).get(document)) {
    return DecodeError{std::string("invalid JSON: ") + simdjson::error_message(error)};
  }
  Snapshot snapshot;
  if (auto failure = Decoder(text, document, workspace.strings).snapshot(snapshot)) {
    return DecodeError{message(*failure)};
  }
  return snapshot;
}

}  // namespace orvane::bridge

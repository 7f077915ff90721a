#include "bridge/json_value.hpp"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <limits>

#include "bridge/canonical_json.hpp"

namespace orvane::bridge {
namespace {

bool is_number_char(char c) {
  return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

bool is_integer(std::string_view number) {
  return number.find_first_of(".eE") == std::string_view::npos;
}

// from_chars leaves the value alone when it is out of range; the decimal
// exponent of the first significant digit tells overflow from underflow.
double out_of_range_double(std::string_view number) {
  const bool negative = number.front() == '-';
  const std::size_t e = number.find_first_of("eE");
  const std::string_view mantissa = number.substr(0, e);
  long long exponent = 0;
  if (e != std::string_view::npos) {
    std::string_view digits = number.substr(e + 1);
    const bool exponent_negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
      digits.remove_prefix(1);
    for (char c : digits) {
      exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
    }
    if (exponent_negative) exponent = -exponent;
  }
  const std::size_t point = mantissa.find('.');
  const std::size_t integer_end = point == std::string_view::npos ? mantissa.size() : point;
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return negative ? -0.0 : 0.0;
  const long long position = first < integer_end ? static_cast<long long>(integer_end - first) - 1
                                                 : -static_cast<long long>(first - integer_end);
  const double magnitude = exponent + position > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  return negative ? -magnitude : magnitude;
}

double to_double(std::string_view number) {
  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  return result.ec == std::errc::result_out_of_range ? out_of_range_double(number) : value;
}

// Integers of any size: the digit strings, with -0 read as 0 (JSON has no
// leading zeros).
bool integers_equal(std::string_view a, std::string_view b) {
  const auto magnitude = [](std::string_view n) { return n.front() == '-' ? n.substr(1) : n; };
  const auto negative = [&](std::string_view n) { return n.front() == '-' && magnitude(n) != "0"; };
  return negative(a) == negative(b) && magnitude(a) == magnitude(b);
}

bool numbers_equal(std::string_view a, std::string_view b) {
  const bool a_integer = is_integer(a);
  if (a_integer != is_integer(b)) return false;
  return a_integer ? integers_equal(a, b) : to_double(a) == to_double(b);
}

std::size_t number_end(std::string_view text, std::size_t i) {
  while (i < text.size() && is_number_char(text[i])) ++i;
  return i;
}

std::size_t string_end(std::string_view text, std::size_t i) {
  ++i;
  while (i < text.size() && text[i] != '"') i += text[i] == '\\' ? 2 : 1;
  return std::min(i + 1, text.size());
}

}  // namespace

// Canonical texts differ only where equal values can be written differently:
// numbers. Everything else is compared byte for byte, token by token.
bool json_equal(const JsonValue& a, const JsonValue& b) {
  const std::string_view x = a.text;
  const std::string_view y = b.text;
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < x.size() && j < y.size()) {
    const char c = x[i];
    if (c == '"') {
      const std::size_t end = string_end(x, i);
      if (x.substr(i, end - i) != y.substr(j, end - i)) return false;
      j += end - i;
      i = end;
    } else if (c == '-' || (c >= '0' && c <= '9')) {
      const std::size_t x_end = number_end(x, i);
      const std::size_t y_end = number_end(y, j);
      if (!(y[j] == '-' || (y[j] >= '0' && y[j] <= '9')) ||
          !numbers_equal(x.substr(i, x_end - i), y.substr(j, y_end - j)))
        return false;
      i = x_end;
      j = y_end;
    } else {
      if (c != y[j]) return false;
      ++i;
      ++j;
    }
  }
  return i == x.size() && j == y.size();
}

std::optional<JsonValue> json_value(std::string_view text) {
  JsonValue value;
  if (append_canonical_json(text, 0, kMaxJsonDepth, value.text)) return std::nullopt;
  return value;
}

}  // namespace orvane::bridge

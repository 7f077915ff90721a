#pragma once
#include <optional>
#include <system_error>

namespace orvane::term {

// A value, or the error that prevented it. Where a call may legitimately produce nothing
// (a read that found no complete event yet), neither is set.
template <class T>
struct Result {
  std::optional<T> value;
  std::error_code error;
};

}  // namespace orvane::term

#pragma once
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "input/outbox.hpp"

namespace orvane::input::testing {

// Keeps every line written, line feed included. With `failure` set, every write fails
// with it and nothing is kept.
class RecordingOutbox final : public Outbox {
 public:
  std::vector<std::string> lines;
  std::error_code failure;

  std::error_code write_line(std::string_view line) override {
    if (failure) return failure;
    lines.emplace_back(line);
    return {};
  }
};

}  // namespace orvane::input::testing

#pragma once
#include <string>
#include <system_error>

namespace orvane::app {

// A failure that ends the run; `main` prints it after the terminal is restored.
struct Error {
  std::string message;
};

inline Error error_from(const std::error_code& code, const char* what) {
  return {std::string(what) + ": " + code.message()};
}

}  // namespace orvane::app

#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::demo {

struct Options {
  std::string client;  // empty: orvane-tui beside this executable
  double speed = 1;    // divides the demo's delays and a replay's offsets
  std::string record;
  std::string replay;
  std::optional<std::size_t> stress;  // blocks to grow to
  std::string log;                    // empty: a file in the temporary directory
  bool allow_edits = false;           // edits run without a permission prompt
  bool help = false;
};

struct ParsedOptions {
  Options options;
  std::string error;  // empty when the command line was understood
};

ParsedOptions parse_options(const std::vector<std::string_view>& arguments);

extern const std::string_view kUsage;

}  // namespace orvane::demo

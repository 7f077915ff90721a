#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "time.hpp"

namespace orvane::demo {

// A recording holds one line per line sent: the time since the start in milliseconds, a
// tab, and the line. JSON text has no raw tab, so the first tab ends the time.
struct RecordedLine {
  Time offset{0};
  std::string text;
};

std::string recorded_line(Time offset, std::string_view line);

struct Recording {
  std::vector<RecordedLine> lines;
  std::string error;  // empty when the file was read whole
};

Recording read_recording(const std::filesystem::path& path);

}  // namespace orvane::demo

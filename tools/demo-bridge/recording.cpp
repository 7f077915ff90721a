#include "recording.hpp"

#include <charconv>
#include <fstream>

namespace orvane::demo {

std::string recorded_line(Time offset, std::string_view line) {
  return std::to_string(offset.count()) + "\t" + std::string(line) + "\n";
}

Recording read_recording(const std::filesystem::path& path) {
  Recording recording;
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    recording.error = "cannot read " + path.string();
    return recording;
  }
  std::string line;
  for (std::size_t number = 1; std::getline(file, line); ++number) {
    if (line.empty()) continue;
    const std::size_t tab = line.find('\t');
    Time::rep offset = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + (tab == std::string::npos ? 0 : tab), offset);
    if (tab == std::string::npos || error != std::errc() || end != line.data() + tab || offset < 0) {
      recording.error = path.string() + ":" + std::to_string(number) + ": expected milliseconds, a tab and a line";
      return recording;
    }
    if (!recording.lines.empty() && Time(offset) < recording.lines.back().offset) {
      recording.error = path.string() + ":" + std::to_string(number) + ": time goes backwards";
      return recording;
    }
    recording.lines.push_back({Time(offset), line.substr(tab + 1)});
  }
  return recording;
}

}  // namespace orvane::demo

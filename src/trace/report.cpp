#include "trace/report.hpp"

#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <system_error>

namespace orvane::trace {
namespace {

std::filesystem::path temp_dir(const EnvLookup& env) {
  std::optional<std::string> dir = env("TMPDIR");
  if (dir && !dir->empty()) return *dir;
  return "/tmp";
}

// errno is not promised to be set by every stdio failure.
int last_error() {
  return errno != 0 ? errno : EIO;
}

std::string failure(int error) {
  return "Native timing trace could not be written: " + std::system_category().message(error) +
         "\n";
}

}  // namespace

std::filesystem::path report_path(const EnvLookup& env) {
  if (std::optional<std::string> file = env("ORVANE_TUI_TRACE_FILE")) return *file;
  return temp_dir(env) / ("orvane-tui-trace-" + std::to_string(getpid()) + ".log");
}

std::string write_report(const std::vector<std::string>& lines, const std::filesystem::path& path) {
  std::string content;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) content += '\n';
    content += lines[i];
  }

  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return failure(last_error());
  int error = 0;
  if (std::fwrite(content.data(), 1, content.size(), file) != content.size()) error = last_error();
  // Closing flushes the buffer, so a full disk may only show up here.
  if (std::fclose(file) != 0 && error == 0) error = last_error();
  if (error != 0) return failure(error);
  return "Native timing trace: " + path.string() + "\n";
}

}  // namespace orvane::trace

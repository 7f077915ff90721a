#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "trace/env.hpp"

namespace orvane::trace {

// Where the report goes: ORVANE_TUI_TRACE_FILE exactly as set, otherwise
// "orvane-tui-trace-<process id>.log" in the temporary directory.
std::filesystem::path report_path(const EnvLookup& env);

// Creates or truncates `path` and writes the lines joined by "\n" (none after the
// last). Returns the line to print on standard error, ending in "\n", which says
// where the report is or why it could not be written.
std::string write_report(const std::vector<std::string>& lines, const std::filesystem::path& path);

}  // namespace orvane::trace

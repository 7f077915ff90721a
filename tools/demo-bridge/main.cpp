// orvane-demo: a bridge that runs orvane-tui and drives it with a simulated coding-agent
// session, a recorded stream or a stress stream.
#include <cstdio>
#include <string_view>
#include <vector>

#include "options.hpp"
#include "run.hpp"

int main(int argc, char** argv) {
  using namespace orvane::demo;
  const ParsedOptions parsed = parse_options(std::vector<std::string_view>(argv + 1, argv + argc));
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "orvane-demo: %s\n\n%.*s", parsed.error.c_str(), static_cast<int>(kUsage.size()),
                 kUsage.data());
    return 2;
  }
  if (parsed.options.help) {
    std::fwrite(kUsage.data(), 1, kUsage.size(), stdout);
    return 0;
  }
  return run(parsed.options);
}

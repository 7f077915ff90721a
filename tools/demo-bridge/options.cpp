#include "options.hpp"

#include <charconv>
#include <cmath>

namespace orvane::demo {

const std::string_view kUsage =
    "usage: orvane-demo [options]\n"
    "Runs orvane-tui with a simulated coding-agent session.\n"
    "\n"
    "  --client PATH      the client to run (default: orvane-tui beside orvane-demo)\n"
    "  --speed FACTOR     play the session, or a replay, FACTOR times faster\n"
    "  --record FILE      write every line sent to the client, with its time, to FILE\n"
    "  --replay FILE      send the lines of a recording instead of the simulated session\n"
    "  --stress[=BLOCKS]  grow a transcript of BLOCKS blocks (10000) as fast as the client\n"
    "                     takes it, then print the client's timing summary\n"
    "  --log FILE         the bridge's log (default: orvane-demo-PID.log in the temp directory)\n"
    "  --allow-edits      edit files without asking, as after \"Allow for this session\"\n"
    "  --help             this text\n";

namespace {

// "--name=value" or "--name value".
std::optional<std::string_view> value_of(const std::vector<std::string_view>& arguments, std::size_t& i,
                                         std::string_view name) {
  const std::string_view argument = arguments[i];
  if (argument.size() > name.size() && argument.starts_with(name) && argument[name.size()] == '=') {
    return argument.substr(name.size() + 1);
  }
  if (argument == name && i + 1 < arguments.size()) return arguments[++i];
  return std::nullopt;
}

}  // namespace

ParsedOptions parse_options(const std::vector<std::string_view>& arguments) {
  ParsedOptions parsed;
  Options& o = parsed.options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      o.help = true;
    } else if (argument == "--allow-edits") {
      o.allow_edits = true;
    } else if (argument == "--stress") {
      o.stress = 10'000;
    } else if (argument.starts_with("--stress=")) {
      std::size_t blocks = 0;
      const std::string_view text = argument.substr(9);
      const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), blocks);
      if (error != std::errc() || end != text.data() + text.size() || blocks == 0) {
        parsed.error = "--stress needs a number of blocks above 0";
        return parsed;
      }
      o.stress = blocks;
    } else if (const auto value = value_of(arguments, i, "--speed")) {
      double speed = 0;
      const auto [end, error] = std::from_chars(value->data(), value->data() + value->size(), speed);
      if (error != std::errc() || end != value->data() + value->size() || !std::isfinite(speed) || speed <= 0) {
        parsed.error = "--speed needs a number above 0";
        return parsed;
      }
      o.speed = speed;
    } else if (const auto client = value_of(arguments, i, "--client")) {
      o.client = *client;
    } else if (const auto record = value_of(arguments, i, "--record")) {
      o.record = *record;
    } else if (const auto replay = value_of(arguments, i, "--replay")) {
      o.replay = *replay;
    } else if (const auto log = value_of(arguments, i, "--log")) {
      o.log = *log;
    } else if (argument == "--speed" || argument == "--client" || argument == "--record" || argument == "--replay" ||
               argument == "--log") {
      parsed.error = std::string(argument) + " needs a value";
      return parsed;
    } else {
      parsed.error = "unknown argument: " + std::string(argument);
      return parsed;
    }
  }
  if (!o.replay.empty() && o.stress) parsed.error = "--replay and --stress cannot go together";
  return parsed;
}

}  // namespace orvane::demo

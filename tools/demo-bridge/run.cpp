#include "run.hpp"

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "action.hpp"
#include "bridge/printable.hpp"
#include "child.hpp"
#include "handle.hpp"
#include "model.hpp"
#include "publish.hpp"
#include "recording.hpp"
#include "signals.hpp"
#include "stress.hpp"

namespace orvane::demo {

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// How long the stress run waits, once done, for a timing summary that covers its end.
constexpr Time kFinalTraceWait = 3000ms;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// What every mode shares: the child, the model (its log at least), the clock.
struct Loop {
  Child child;
  Model model;
  int signals = -1;
  File record;
  Clock::time_point start = Clock::now();
  int interrupts = 0;
  std::size_t lines_sent = 0;
  std::size_t bytes_sent = 0;

  Time now() const { return std::chrono::duration_cast<Time>(Clock::now() - start); }
};

void send(Loop& loop, const std::string& line) {
  loop.child.send(line);
  ++loop.lines_sent;
  loop.bytes_sent += line.size() + 1;
  if (loop.record) std::fputs(recorded_line(loop.now(), line).c_str(), loop.record.get());
}

// Waits at most `timeout` (a second when none) for the client, a signal or room in the
// pipe, and deals with what came: lines of the client go to `on_line`.
void wait(Loop& loop, std::optional<Time> timeout, const std::function<void(const std::string&)>& on_line) {
  pollfd fds[3];
  nfds_t count = 0;
  fds[count++] = {loop.signals, POLLIN, 0};
  const bool reading = loop.child.output_open();
  if (reading) fds[count++] = {loop.child.output_fd(), POLLIN, 0};
  const bool writing = loop.child.writing() && loop.child.input_open();
  if (writing) fds[count++] = {loop.child.input_fd(), POLLOUT, 0};
  // The recording is complete up to now whenever the bridge waits.
  if (loop.record) std::fflush(loop.record.get());
  const auto wait_ms = std::clamp<Time::rep>(timeout.value_or(1000ms).count(), 0, 1000);
  if (::poll(fds, count, static_cast<int>(wait_ms)) <= 0) return;

  for (int signal : take_signals(loop.signals)) {
    if (signal == SIGCHLD) continue;
    // The first interrupt ends the client's input so that it ends cleanly; a second one
    // does not wait any longer.
    if (++loop.interrupts == 1) {
      note(loop.model, "interrupted: closing the client's input");
      loop.child.close_input();
    } else {
      ::kill(loop.child.pid(), SIGTERM);
    }
  }
  if (reading) {
    for (const std::string& line : loop.child.read_lines()) {
      on_line(line);
      // The client is ending: nothing more goes to it, and the end of its input lets its
      // reader finish at once.
      if (const auto action = parse_action(line); action && action->type == "quit") loop.child.close_input();
    }
  }
  if (loop.child.writing()) loop.child.flush();
}

int exit_status(Loop& loop, const std::function<std::optional<Time>()>& step,
                const std::function<void(const std::string&)>& on_line) {
  for (;;) {
    if (const auto status = loop.child.reap()) return *status;
    wait(loop, step(), on_line);
  }
}

std::string default_client() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return ((error ? std::filesystem::path(".") : self.parent_path()) / "orvane-tui").string();
}

int run_demo(Loop& loop) {
  Publisher publisher;
  Model& model = loop.model;
  return exit_status(
      loop,
      [&]() -> std::optional<Time> {
        const Time now = loop.now();
        run_due(model, now);
        if (loop.child.input_open() && !loop.child.writing()) {
          if (const auto line = take_line(model, publisher)) send(loop, *line);
        }
        const auto due = model.timers.next_due();
        return due ? std::optional<Time>(std::max(*due - now, Time(0))) : std::nullopt;
      },
      [&](const std::string& line) {
        if (const auto action = parse_action(line)) {
          handle(model, *action, loop.now());
        } else {
          note(model, "unreadable message from the client: " + bridge::printable(line, 80));
        }
      });
}

int run_replay(Loop& loop, const Recording& recording, double speed) {
  std::size_t next = 0;
  const auto due = [&](std::size_t i) {
    return Time(static_cast<Time::rep>(static_cast<double>(recording.lines[i].offset.count()) / speed));
  };
  return exit_status(
      loop,
      [&]() -> std::optional<Time> {
        const Time now = loop.now();
        while (next < recording.lines.size() && due(next) <= now && loop.child.input_open() &&
               !loop.child.writing()) {
          send(loop, recording.lines[next++].text);
        }
        if (next == recording.lines.size()) return std::nullopt;
        return std::max(due(next) - now, Time(0));
      },
      [&](const std::string& line) { note(loop.model, "client: " + bridge::printable(line, 200)); });
}

int run_stress(Loop& loop, std::size_t blocks) {
  Publisher publisher;
  Model& model = loop.model;
  Stress stress;
  stress.target = blocks;
  bool growing = true;
  std::optional<Time> finished;
  bool final_trace = false;
  const int status = exit_status(
      loop,
      [&]() -> std::optional<Time> {
        const Time now = loop.now();
        if (growing && loop.child.input_open() && !loop.child.writing()) {
          growing = stress_step(stress, model);
          if (const auto line = take_line(model, publisher)) send(loop, *line);
          if (!growing) finished = now;
          return Time(0);
        }
        if (!finished || !loop.child.input_open()) return std::nullopt;
        if (final_trace || now - *finished >= kFinalTraceWait) {
          loop.child.close_input();
          return std::nullopt;
        }
        return kFinalTraceWait - (now - *finished);
      },
      [&](const std::string& line) {
        const auto action = parse_action(line);
        if (!action || action->type != "ui_trace") return;
        model.trace = action->lines;
        final_trace = final_trace || finished.has_value();
      });

  const double seconds = static_cast<double>(finished.value_or(loop.now()).count()) / 1000.0;
  std::printf("orvane-demo stress: %zu blocks in %zu lines (%.1f MB) over %.2f s, %.0f lines/s\n",
              model.transcript.size(), loop.lines_sent, static_cast<double>(loop.bytes_sent) / 1e6, seconds,
              seconds > 0 ? static_cast<double>(loop.lines_sent) / seconds : 0.0);
  if (model.trace.empty()) {
    std::printf("the client sent no timing summary\n");
  } else {
    std::printf("client timing summary:\n");
    for (const std::string& line : model.trace) std::printf("  %s\n", bridge::printable(line, 200).c_str());
  }
  return status;
}

}  // namespace

int run(const Options& options) {
  Recording recording;
  if (!options.replay.empty()) {
    recording = read_recording(options.replay);
    if (!recording.error.empty()) {
      std::fprintf(stderr, "orvane-demo: %s\n", recording.error.c_str());
      return 1;
    }
  }

  Loop loop;
  const std::string log_path =
      !options.log.empty() ? options.log
                           : (std::filesystem::temp_directory_path() /
                              ("orvane-demo-" + std::to_string(::getpid()) + ".log"))
                                 .string();
  File log(std::fopen(log_path.c_str(), "w"));
  if (!log) {
    std::fprintf(stderr, "orvane-demo: cannot write the log %s\n", log_path.c_str());
    return 1;
  }
  if (!options.record.empty()) {
    loop.record.reset(std::fopen(options.record.c_str(), "w"));
    if (!loop.record) {
      std::fprintf(stderr, "orvane-demo: cannot write the recording %s\n", options.record.c_str());
      return 1;
    }
  }
  std::error_code cwd_error;
  loop.model = initial_model(options.speed, std::filesystem::current_path(cwd_error));
  loop.model.auto_approve = options.allow_edits;
  loop.model.log_file = log.get();
  loop.model.log_path = log_path;
  refresh_details(loop.model);

  loop.signals = signal_pipe();
  if (loop.signals < 0) {
    std::fprintf(stderr, "orvane-demo: cannot set up signal handling\n");
    return 1;
  }
  const std::string client = options.client.empty() ? default_client() : options.client;
  std::vector<std::pair<std::string, std::string>> environment;
  if (options.stress) environment.emplace_back("ORVANE_TUI_TRACE", "1");
  if (const std::string error = loop.child.start(client, environment); !error.empty()) {
    std::fprintf(stderr, "orvane-demo: %s\n", error.c_str());
    return 1;
  }
  note(loop.model, "orvane-demo started " + client + " (pid " + std::to_string(loop.child.pid()) + ")");
  loop.start = Clock::now();

  const int status = !options.replay.empty() ? run_replay(loop, recording, options.speed)
                     : options.stress        ? run_stress(loop, *options.stress)
                                             : run_demo(loop);
  note(loop.model, "the client ended with status " + std::to_string(status));
  loop.model.log_file = nullptr;
  return status;
}

}  // namespace orvane::demo

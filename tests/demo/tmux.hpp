#pragma once
// A tmux server of the test's own (its own socket and no configuration) with one window of
// a fixed size, for looking at the client as a person would.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

namespace orvane::demo::testing {

using namespace std::chrono_literals;

class Tmux {
 public:
  Tmux() : socket_("orvane-demo-test-" + std::to_string(::getpid())) {}
  ~Tmux() { run("kill-server"); }
  Tmux(const Tmux&) = delete;
  Tmux& operator=(const Tmux&) = delete;

  static bool installed() { return std::system("command -v tmux >/dev/null 2>&1") == 0; }

  // Runs `command` through the shell in a detached window; false when tmux cannot start.
  bool start(const std::string& command, int columns, int rows) const {
    return run("new-session -d -s demo -x " + std::to_string(columns) + " -y " + std::to_string(rows) + " " +
               quoted(command)) == 0;
  }
  void type(const std::string& text) const { run("send-keys -t demo -l " + quoted(text)); }
  void key(const std::string& name) const { run("send-keys -t demo " + name); }

  // The visible text of the pane, one line per row.
  std::string pane() const {
    std::string text;
    if (std::FILE* pipe = ::popen(("tmux " + options() + " capture-pane -p -t demo 2>/dev/null").c_str(), "r")) {
      char buffer[4096];
      for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, got);
      ::pclose(pipe);
    }
    return text;
  }

  // Polls the pane until `seen` holds for it; false after `timeout`. The last pane polled
  // is left in `last` for the failure message.
  bool wait_for(const std::function<bool(const std::string&)>& seen, std::string& last,
                std::chrono::milliseconds timeout = 30s) const {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
      last = pane();
      if (seen(last)) return true;
      if (std::chrono::steady_clock::now() > end) return false;
      std::this_thread::sleep_for(30ms);
    }
  }
  bool wait_for_text(const std::string& text, std::string& last, std::chrono::milliseconds timeout = 30s) const {
    return wait_for([&](const std::string& pane) { return pane.find(text) != std::string::npos; }, last, timeout);
  }

 private:
  // UTF-8 whatever the locale says, so that the pane's glyphs come back as they are.
  std::string options() const { return "-u -L " + socket_ + " -f /dev/null"; }
  int run(const std::string& arguments) const {
    return std::system(("tmux " + options() + " " + arguments + " >/dev/null 2>&1").c_str());
  }
  // One shell word, whatever `text` holds.
  static std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
  }

  std::string socket_;
};

}  // namespace orvane::demo::testing

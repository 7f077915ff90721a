#pragma once
// Runs the real client the way a bridge does: stdin and stdout are pipes, the
// controlling terminal is a pseudo-terminal whose output the test reads.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane::testing {

class PtyClient {
 public:
  explicit PtyClient(std::vector<std::string> arguments = {},
                     std::vector<std::pair<std::string, std::string>> environment = {},
                     unsigned short columns = 80, unsigned short rows = 24) {
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0) std::abort();
    winsize size{rows, columns, 0, 0};
    pid_ = forkpty(&master_, nullptr, nullptr, &size);
    if (pid_ < 0) std::abort();
    if (pid_ == 0) {
      dup2(in[0], 0);
      dup2(out[1], 1);
      close(in[0]), close(in[1]), close(out[0]), close(out[1]);
      for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
      std::vector<char*> argv{const_cast<char*>(ORVANE_CLIENT_PATH)};
      for (auto& a : arguments) argv.push_back(a.data());
      argv.push_back(nullptr);
      execv(ORVANE_CLIENT_PATH, argv.data());
      _exit(127);
    }
    close(in[0]);
    close(out[1]);
    stdin_ = in[1];
    stdout_ = out[0];
    fcntl(stdout_, F_SETFL, O_NONBLOCK);
    fcntl(master_, F_SETFL, O_NONBLOCK);
    signal(SIGPIPE, SIG_IGN);
  }

  ~PtyClient() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    close_stdin();
    if (stdout_ >= 0) close(stdout_);
    if (master_ >= 0) close(master_);
  }

  PtyClient(const PtyClient&) = delete;
  PtyClient& operator=(const PtyClient&) = delete;

  // Writes bytes to the client's standard input.
  bool send_stdin(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t n = write(stdin_, bytes.data(), bytes.size());
      if (n <= 0) return false;
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
  }
  void close_stdin() {
    if (stdin_ >= 0) close(stdin_);
    stdin_ = -1;
  }

  // Types bytes on the terminal, as a user would.
  void type(std::string_view bytes) { [[maybe_unused]] auto n = write(master_, bytes.data(), bytes.size()); }

  // Waits until `done(terminal output, stdout)` holds, or the timeout passes.
  bool wait_for(const std::function<bool(const std::string&, const std::string&)>& done,
                std::chrono::milliseconds timeout = std::chrono::milliseconds(10000)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
      pump(20);
      if (done(terminal_, stdout_text_)) return true;
      if (std::chrono::steady_clock::now() > deadline) return false;
    }
  }
  bool wait_terminal(std::string_view needle) {
    return wait_for([&](const std::string& t, const std::string&) { return t.find(needle) != std::string::npos; });
  }
  bool wait_stdout(std::string_view needle) {
    return wait_for([&](const std::string&, const std::string& o) { return o.find(needle) != std::string::npos; });
  }

  // Waits for the process to end; returns its wait status, or -1 on timeout.
  int wait_exit(std::chrono::milliseconds timeout = std::chrono::milliseconds(10000)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
      pump(10);
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        exited_ = true;
        pump(50);
        return status;
      }
    }
    return -1;
  }

  void signal_client(int signal_number) { kill(pid_, signal_number); }

  const std::string& terminal() const { return terminal_; }
  const std::string& output() const { return stdout_text_; }

 private:
  void pump(int timeout_ms) {
    pollfd fds[2] = {{master_, POLLIN, 0}, {stdout_, POLLIN, 0}};
    poll(fds, 2, timeout_ms);
    char buffer[65536];
    ssize_t n;
    while ((n = read(master_, buffer, sizeof buffer)) > 0) terminal_.append(buffer, static_cast<std::size_t>(n));
    while ((n = read(stdout_, buffer, sizeof buffer)) > 0) stdout_text_.append(buffer, static_cast<std::size_t>(n));
  }

  pid_t pid_ = -1;
  int master_ = -1;
  int stdin_ = -1;
  int stdout_ = -1;
  bool exited_ = false;
  std::string terminal_;
  std::string stdout_text_;
};

}  // namespace orvane::testing

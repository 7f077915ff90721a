#include "child.hpp"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace orvane::demo {

namespace {

std::string os_error(std::string_view what) { return std::string(what) + ": " + std::strerror(errno); }

}  // namespace

Child::~Child() {
  close_input();
  if (output_ >= 0) ::close(output_);
  if (pid_ > 0 && !status_) {
    // Only reached when the bridge itself fails; do not leave the client behind.
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
  }
}

std::string Child::start(const std::string& path,
                         const std::vector<std::pair<std::string, std::string>>& environment) {
  if (::access(path.c_str(), X_OK) != 0) return os_error("cannot run the client " + path);
  int to_child[2], from_child[2];
  if (::pipe2(to_child, O_CLOEXEC) != 0) return os_error("pipe");
  if (::pipe2(from_child, O_CLOEXEC) != 0) {
    ::close(to_child[0]), ::close(to_child[1]);
    return os_error("pipe");
  }
  pid_ = ::fork();
  if (pid_ < 0) {
    for (int fd : {to_child[0], to_child[1], from_child[0], from_child[1]}) ::close(fd);
    return os_error("fork");
  }
  if (pid_ == 0) {
    ::dup2(to_child[0], STDIN_FILENO);
    ::dup2(from_child[1], STDOUT_FILENO);
    for (const auto& [name, value] : environment) ::setenv(name.c_str(), value.c_str(), 1);
    // The bridge ignores SIGPIPE; the client starts with the default.
    ::signal(SIGPIPE, SIG_DFL);
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    ::execv(path.c_str(), argv);
    _exit(127);
  }
  ::close(to_child[0]);
  ::close(from_child[1]);
  input_ = to_child[1];
  output_ = from_child[0];
  ::fcntl(input_, F_SETFL, O_NONBLOCK);
  ::fcntl(output_, F_SETFL, O_NONBLOCK);
  return "";
}

void Child::send(std::string_view line) {
  if (input_ < 0) return;
  pending_.append(line);
  pending_ += '\n';
  flush();
}

bool Child::flush() {
  while (input_ >= 0 && !pending_.empty()) {
    const ssize_t written = ::write(input_, pending_.data(), pending_.size());
    if (written > 0) {
      pending_.erase(0, static_cast<std::size_t>(written));
    } else if (written < 0 && errno == EINTR) {
      continue;
    } else if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      break;
    } else {
      close_input();
    }
  }
  return input_ >= 0;
}

void Child::close_input() {
  if (input_ >= 0) ::close(input_);
  input_ = -1;
  pending_.clear();
}

std::vector<std::string> Child::read_lines() {
  std::vector<std::string> lines;
  char buffer[65536];
  while (output_ >= 0) {
    const ssize_t got = ::read(output_, buffer, sizeof buffer);
    if (got > 0) {
      partial_.append(buffer, static_cast<std::size_t>(got));
      continue;
    }
    if (got < 0 && errno == EINTR) continue;
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
    ::close(output_);
    output_ = -1;
  }
  std::size_t start = 0;
  for (std::size_t end = partial_.find('\n'); end != std::string::npos; end = partial_.find('\n', start)) {
    lines.push_back(partial_.substr(start, end - start));
    start = end + 1;
  }
  partial_.erase(0, start);
  return lines;
}

std::optional<int> Child::reap() {
  if (status_ || pid_ <= 0) return status_;
  int status = 0;
  const pid_t done = ::waitpid(pid_, &status, WNOHANG);
  if (done != pid_) return std::nullopt;
  status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return status_;
}

}  // namespace orvane::demo

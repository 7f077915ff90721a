#pragma once
#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane::demo {

// The client, run as a child with pipes on its standard input and output; its standard
// error stays on the terminal. Writes never block: what the pipe does not take waits here.
class Child {
 public:
  Child() = default;
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;
  ~Child();

  // Starts `path` with `environment` added to ours. An error message, or empty on success.
  std::string start(const std::string& path, const std::vector<std::pair<std::string, std::string>>& environment);

  // Queues one line (a line feed is added) and writes what the pipe takes.
  void send(std::string_view line);
  // Writes queued bytes; false once the client's input is gone.
  bool flush();
  bool writing() const { return !pending_.empty(); }
  bool input_open() const { return input_ >= 0; }
  // Ends the client's input: it then finishes on its own.
  void close_input();

  // Reads what the client wrote and returns its complete lines.
  std::vector<std::string> read_lines();
  bool output_open() const { return output_ >= 0; }

  int input_fd() const { return input_; }
  int output_fd() const { return output_; }
  pid_t pid() const { return pid_; }

  // The exit status once the client has ended (128 + signal when a signal ended it).
  std::optional<int> reap();

 private:
  pid_t pid_ = -1;
  int input_ = -1;
  int output_ = -1;
  std::string pending_;
  std::string partial_;
  std::optional<int> status_;
};

}  // namespace orvane::demo

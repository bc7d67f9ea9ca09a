#pragma once
// A program started in the background for an end-to-end test: its standard
// output is read line by line while it runs, its standard input written to,
// and it is ended by a signal.

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace wall::test {

class ChildProcess {
 public:
  ChildProcess(const std::string& program, const std::vector<std::string>& args);
  ~ChildProcess();  // SIGKILL if still running
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Waits for an output line containing `text`; returns it. Lines before it
  // are kept in output().
  std::optional<std::string> waitForLine(const std::string& text, std::chrono::milliseconds timeout);
  void writeInput(const std::string& text);
  // Sends `signal` and waits for the exit; the exit status, or −1.
  int stop(int signal, std::chrono::milliseconds timeout);
  const std::vector<std::string>& output() const { return lines_; }

 private:
  bool readSome(std::chrono::milliseconds timeout);

  int pid_ = -1;
  int out_ = -1;
  int in_ = -1;
  std::string partial_;
  std::vector<std::string> lines_;
  std::size_t seen_ = 0;
};

}  // namespace wall::test

#include "child_process.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <thread>

namespace wall::test {

using Clock = std::chrono::steady_clock;

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& args) {
  int outPipe[2], inPipe[2];
  if (pipe(outPipe) || pipe(inPipe)) throw std::runtime_error("pipe failed");
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_ = fork();
  if (pid_ == 0) {
    dup2(inPipe[0], 0);
    dup2(outPipe[1], 1);
    close(outPipe[0]);
    close(inPipe[1]);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(outPipe[1]);
  close(inPipe[0]);
  out_ = outPipe[0];
  in_ = inPipe[1];
}

ChildProcess::~ChildProcess() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (out_ >= 0) close(out_);
  if (in_ >= 0) close(in_);
}

bool ChildProcess::readSome(std::chrono::milliseconds timeout) {
  pollfd fd{out_, POLLIN, 0};
  if (poll(&fd, 1, static_cast<int>(timeout.count())) <= 0) return false;
  char buf[4096];
  const ssize_t got = read(out_, buf, sizeof buf);
  if (got <= 0) return false;
  partial_.append(buf, static_cast<std::size_t>(got));
  for (std::size_t nl; (nl = partial_.find('\n')) != std::string::npos;) {
    lines_.push_back(partial_.substr(0, nl));
    partial_.erase(0, nl + 1);
  }
  return true;
}

std::optional<std::string> ChildProcess::waitForLine(const std::string& text, std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (true) {
    for (; seen_ < lines_.size(); ++seen_) {
      if (lines_[seen_].find(text) != std::string::npos) return lines_[seen_++];
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0 || !readSome(left)) {
      if (Clock::now() >= deadline) return std::nullopt;
    }
  }
}

void ChildProcess::writeInput(const std::string& text) {
  if (write(in_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) throw std::runtime_error("write failed");
}

int ChildProcess::stop(int signal, std::chrono::milliseconds timeout) {
  if (pid_ <= 0) return -1;
  kill(pid_, signal);
  const auto deadline = Clock::now() + timeout;
  int status = 0;
  while (Clock::now() < deadline) {
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return -1;
}

}  // namespace wall::test

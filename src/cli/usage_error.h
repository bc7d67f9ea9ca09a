#pragma once
#include <stdexcept>
#include <string>

namespace wall::cli {

// Bad input on the command line: one line on stderr, exit status 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The command was understood but failed (no reply, a port that does not
// open ...): one line on stderr, exit status 1 unless a command says
// otherwise.
class CommandFailure : public std::runtime_error {
 public:
  explicit CommandFailure(const std::string& what, int exitCode = 1)
      : std::runtime_error(what), exitCode_(exitCode) {}
  int exitCode() const { return exitCode_; }

 private:
  int exitCode_;
};

}  // namespace wall::cli

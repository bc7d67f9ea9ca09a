#pragma once
// Opens a pseudo-terminal pair for a test's serial line: raw from the start
// (the port makes the line raw when it opens, and puts back what it found
// when it closes), and with both ends closed across exec, so that a program
// the test starts does not keep the line alive after the test hangs up.

#include <fcntl.h>
#include <pty.h>
#include <termios.h>

#include <stdexcept>
#include <string>

namespace wall::test {

struct RawPty {
  int master = -1;
  int slave = -1;
  std::string path;  // the slave's, for the port under test
};

inline RawPty openRawPty() {
  RawPty pty;
  char name[256] = {};
  if (::openpty(&pty.master, &pty.slave, name, nullptr, nullptr) != 0) throw std::runtime_error("openpty failed");
  pty.path = name;
  ::fcntl(pty.master, F_SETFD, FD_CLOEXEC);
  ::fcntl(pty.slave, F_SETFD, FD_CLOEXEC);
  termios t{};
  ::tcgetattr(pty.slave, &t);
  ::cfmakeraw(&t);
  ::tcsetattr(pty.slave, TCSANOW, &t);
  return pty;
}

}  // namespace wall::test

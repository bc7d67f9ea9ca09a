#pragma once
// Runs the wallctl binary as a child process and captures what it printed:
// the tests see the tool exactly as a script that calls it does.

#include <string>
#include <vector>

namespace wall::test {

struct RunResult {
  int status = -1;  // exit status, or -1 when it did not exit normally
  std::string out;
  std::string err;
};

// Runs WALLCTL_PATH with `args`, feeding `input` on standard input. The
// environment is the test's, without WALLCONTROL_SETTINGS unless `env` sets
// it ("NAME=value" entries are added).
RunResult runWallctl(const std::vector<std::string>& args, const std::string& input = {},
                     const std::vector<std::string>& env = {});

// A temporary folder removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  void write(const std::string& name, const std::string& content) const;
  std::string read(const std::string& name) const;

 private:
  std::string path_;
};

}  // namespace wall::test

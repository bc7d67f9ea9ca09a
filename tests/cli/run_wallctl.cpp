#include "run_wallctl.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace wall::test {

namespace {

void drain(int outFd, int errFd, int inFd, const std::string& input, RunResult& r) {
  std::size_t written = 0;
  if (input.empty() && inFd >= 0) {
    close(inFd);
    inFd = -1;
  }
  char buf[4096];
  while (outFd >= 0 || errFd >= 0) {
    pollfd fds[3];
    int n = 0;
    if (outFd >= 0) fds[n++] = {outFd, POLLIN, 0};
    if (errFd >= 0) fds[n++] = {errFd, POLLIN, 0};
    if (inFd >= 0) fds[n++] = {inFd, POLLOUT, 0};
    if (poll(fds, static_cast<nfds_t>(n), 30000) <= 0) break;
    for (int i = 0; i < n; ++i) {
      if (!fds[i].revents) continue;
      if (fds[i].fd == inFd) {
        ssize_t w = write(inFd, input.data() + written, input.size() - written);
        if (w > 0) written += static_cast<std::size_t>(w);
        if (w < 0 || written == input.size()) {
          close(inFd);
          inFd = -1;
        }
        continue;
      }
      ssize_t got = read(fds[i].fd, buf, sizeof buf);
      std::string& target = fds[i].fd == outFd ? r.out : r.err;
      if (got > 0) {
        target.append(buf, static_cast<std::size_t>(got));
      } else {
        close(fds[i].fd);
        (fds[i].fd == outFd ? outFd : errFd) = -1;
      }
    }
  }
  if (inFd >= 0) close(inFd);
}

}  // namespace

RunResult runWallctl(const std::vector<std::string>& args, const std::string& input,
                     const std::vector<std::string>& env) {
  int outPipe[2], errPipe[2], inPipe[2];
  if (pipe(outPipe) || pipe(errPipe) || pipe(inPipe)) throw std::runtime_error("pipe failed");
  std::vector<std::string> envStore;
  for (char** e = environ; *e; ++e) {
    if (std::strncmp(*e, "WALLCONTROL_SETTINGS=", 21) != 0) envStore.emplace_back(*e);
  }
  envStore.insert(envStore.end(), env.begin(), env.end());
  std::vector<char*> argv{const_cast<char*>(WALLCTL_PATH)};
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (auto& e : envStore) envp.push_back(e.data());
  envp.push_back(nullptr);

  pid_t pid = fork();
  if (pid == 0) {
    dup2(inPipe[0], 0);
    dup2(outPipe[1], 1);
    dup2(errPipe[1], 2);
    for (int fd : {outPipe[0], outPipe[1], errPipe[0], errPipe[1], inPipe[0], inPipe[1]}) close(fd);
    execve(WALLCTL_PATH, argv.data(), envp.data());
    _exit(127);
  }
  close(outPipe[1]);
  close(errPipe[1]);
  close(inPipe[0]);
  RunResult r;
  drain(outPipe[0], errPipe[0], inPipe[1], input, r);
  int st = 0;
  waitpid(pid, &st, 0);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

TempDir::TempDir() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "wallctl-test-XXXXXX").string();
  if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
  path_ = tmpl;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void TempDir::write(const std::string& name, const std::string& content) const {
  std::ofstream(file(name), std::ios::binary) << content;
}

std::string TempDir::read(const std::string& name) const {
  std::ifstream in(file(name), std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

}  // namespace wall::test

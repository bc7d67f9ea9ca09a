// A process that saves the settings file in a loop is killed at random
// moments: the file must always be exactly the old or the new contents.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "../../core_helpers/settings_saver_contents.h"
#include "core/settings/settings_file.h"
#include "temp_folder.h"

namespace wall {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

const std::string kHelper = std::string(WALL_TEST_HELPER_DIR) + "/settings_saver_loop";

// Starts the saver; returns its pid and the read end of its output.
pid_t startSaver(const std::string& path, int& output) {
  int fds[2];
  if (pipe(fds) != 0) return -1;
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(fds[1], STDOUT_FILENO);
    close(fds[0]);
    close(fds[1]);
    execl(kHelper.c_str(), kHelper.c_str(), path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  output = fds[0];
  return pid;
}

// Blocks until the saver reports its next completed save (or dies).
bool waitForSave(int output) {
  char c;
  while (read(output, &c, 1) == 1) {
    if (c == '\n') return true;
  }
  return false;
}

TEST(SettingsKillTest, FileIsAlwaysOldOrNewNeverAMix) {
  TempFolder folder;
  const std::string path = folder.file("Setting.ini");
  const std::string a = saver::contentBytes('A');
  const std::string b = saver::contentBytes('B');
  ASSERT_NE(a.size(), b.size());
  writeBytes(path, a);

  std::mt19937 rng(20240611);
  int seenA = 0;
  int seenB = 0;
  constexpr int kRounds = 30;
  for (int round = 0; round < kRounds; ++round) {
    int output = -1;
    const pid_t pid = startSaver(path, output);
    ASSERT_GT(pid, 0);
    // Two saves give the length of one; one more save or not varies which
    // content is being written; then a random point inside the next save.
    bool saving = waitForSave(output);
    const auto start = std::chrono::steady_clock::now();
    saving = saving && waitForSave(output);
    const auto saveTime = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    if (rng() % 2) saving = saving && waitForSave(output);
    std::this_thread::sleep_for(std::chrono::microseconds(rng() % (saveTime.count() + 1)));
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    close(output);
    ASSERT_TRUE(saving) << "the saver did not save (exit status " << status << ")";
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "round " << round;

    const std::string bytes = readBytes(path);
    ASSERT_TRUE(bytes == a || bytes == b) << "round " << round << ": a file of " << bytes.size()
                                          << " bytes that is neither content";
    (bytes == a ? seenA : seenB) += 1;
  }
  // Which content survives depends on where the kill landed; on a loaded
  // machine (or under the sanitizers) the kills may all land on one side, so
  // the split is reported, not asserted: what must hold is that every round
  // found one whole content.
  RecordProperty("survived_a", seenA);
  RecordProperty("survived_b", seenB);

  // Temporary files of the killed savers are never the file; the next save
  // clears them away.
  SettingsFile file(path);
  ASSERT_TRUE(file.writeString("After", "kill", "1"));
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    EXPECT_EQ(entry.path().filename(), "Setting.ini");
  }
}

}  // namespace
}  // namespace wall

#include "io/settings_write_behind.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>

#include "core/settings/settings_file.h"

namespace wall {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

class WriteBehindTest : public ::testing::Test {
 protected:
  WriteBehindTest() {
    std::string pattern = (fs::temp_directory_path() / "writebehind.XXXXXX").string();
    folder_ = mkdtemp(pattern.data());
    path_ = folder_ + "/Setting.ini";
  }
  ~WriteBehindTest() override { fs::remove_all(folder_); }

  // What a fresh reader finds on the disk.
  std::int32_t onDisk(const std::string& section, const std::string& key) const {
    return SettingsFile(path_).readInt(section, key, -1);
  }

  // Waits (bounded) until `done` holds; the saving thread works on its own.
  template <class Pred>
  static bool eventually(Pred done) {
    for (auto end = std::chrono::steady_clock::now() + 5s; std::chrono::steady_clock::now() < end;) {
      if (done()) return true;
      std::this_thread::sleep_for(1ms);
    }
    return done();
  }

  std::string folder_;
  std::string path_;
};

TEST_F(WriteBehindTest, WritesReturnAtOnceAndAreSavedByTheThread) {
  SettingsFile file(path_);
  SettingsWriteBehind writeBehind(file);
  ASSERT_TRUE(file.writeInt("S", "k", 7));
  EXPECT_EQ(file.readInt("S", "k", -1), 7);
  ASSERT_TRUE(eventually([&] { return !file.hasUnsavedChanges(); }));
  EXPECT_EQ(onDisk("S", "k"), 7);
  EXPECT_EQ(writeBehind.saveCount(), 1u);
}

TEST_F(WriteBehindTest, GathersAStreamOfChangesIntoFewSaves) {
  SettingsFile file(path_);
  SettingsWriteBehind writeBehind(file, {.gather = 300ms, .retry = 1000ms});
  for (int i = 0; i < 200; ++i) ASSERT_TRUE(file.writeInt("S", "k" + std::to_string(i), i));
  ASSERT_TRUE(eventually([&] { return !file.hasUnsavedChanges(); }));
  EXPECT_GE(writeBehind.saveCount(), 1u);
  EXPECT_LT(writeBehind.saveCount(), 10u);
  SettingsFile reread(path_);
  for (int i = 0; i < 200; ++i) ASSERT_EQ(reread.readInt("S", "k" + std::to_string(i), -1), i);
}

TEST_F(WriteBehindTest, FlushSavesNowAndTheDestructorFlushes) {
  SettingsFile file(path_);
  {
    SettingsWriteBehind writeBehind(file, {.gather = 60s, .retry = 60s});
    file.writeInt("S", "a", 1);
    EXPECT_EQ(onDisk("S", "a"), -1);  // the gather window is a minute long
    EXPECT_TRUE(writeBehind.flush());
    EXPECT_EQ(onDisk("S", "a"), 1);
    file.writeInt("S", "b", 2);
    EXPECT_EQ(onDisk("S", "b"), -1);
  }
  EXPECT_EQ(onDisk("S", "b"), 2);
  // Without an owner, each write is saved before it returns.
  file.writeInt("S", "c", 3);
  EXPECT_EQ(onDisk("S", "c"), 3);
}

TEST_F(WriteBehindTest, ChangesMadeBeforeItCameAreSavedToo) {
  SettingsFile file(path_);
  file.setSaveRequest([] {});  // someone who never saves
  file.writeInt("S", "early", 1);
  file.setSaveRequest({});
  SettingsWriteBehind writeBehind(file);
  ASSERT_TRUE(eventually([&] { return !file.hasUnsavedChanges(); }));
  EXPECT_EQ(onDisk("S", "early"), 1);
}

// A disk that fills up: a file size limit fails the write the same way.
TEST_F(WriteBehindTest, RetriesAFailedSaveUntilItWorks) {
  SettingsFile file(path_);
  SettingsWriteBehind writeBehind(file, {.gather = 1ms, .retry = 20ms});
  std::mutex m;
  std::condition_variable cv;
  int failures = 0;
  writeBehind.setFailureHandler([&](const std::string& error) {
    EXPECT_FALSE(error.empty());
    std::lock_guard lock(m);
    ++failures;
    cv.notify_all();
  });
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit limited = saved;
  limited.rlim_cur = 16;
  setrlimit(RLIMIT_FSIZE, &limited);

  file.writeString("S", "big", std::string(100, 'x'));
  {
    std::unique_lock lock(m);
    ASSERT_TRUE(cv.wait_for(lock, 5s, [&] { return failures >= 2; }));  // failed, and retried
  }
  EXPECT_TRUE(file.hasUnsavedChanges());
  EXPECT_EQ(SettingsFile(path_).readString("S", "big", "").size(), 0u);

  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  ASSERT_TRUE(eventually([&] { return !file.hasUnsavedChanges(); }));
  EXPECT_EQ(SettingsFile(path_).readString("S", "big", "").size(), 100u);
}

TEST_F(WriteBehindTest, WritersOnManyThreads) {
  SettingsFile file(path_);
  SettingsWriteBehind writeBehind(file, {.gather = 2ms, .retry = 100ms});
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&file, t] {
      for (int i = 0; i < 100; ++i) {
        SettingsFile::Batch batch(file);
        file.writeInt("T" + std::to_string(t), "a" + std::to_string(i), i);
        file.writeInt("T" + std::to_string(t), "b" + std::to_string(i), -i);
      }
    });
  }
  for (auto& th : threads) th.join();
  ASSERT_TRUE(writeBehind.flush());
  SettingsFile reread(path_);
  for (int t = 0; t < 4; ++t) {
    for (int i = 0; i < 100; ++i) {
      ASSERT_EQ(reread.readInt("T" + std::to_string(t), "a" + std::to_string(i), -1), i);
      ASSERT_EQ(reread.readInt("T" + std::to_string(t), "b" + std::to_string(i), 1), -i);
    }
  }
}

}  // namespace
}  // namespace wall

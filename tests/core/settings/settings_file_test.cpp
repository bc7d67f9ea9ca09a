#include "core/settings/settings_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "core/settings/text_encoding.h"
#include "temp_folder.h"

namespace wall {
namespace {

using testing::kBom;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;
namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
 protected:
  TempFolder folder;
  std::string path = folder.file("Setting.ini");

  std::vector<std::string> temporaryFiles() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder.path())) {
      if (e.path().filename().string().ends_with(".tmp")) names.push_back(e.path().filename().string());
    }
    return names;
  }

  static ino_t inodeOf(const std::string& p) {
    struct stat st {};
    ::stat(p.c_str(), &st);
    return st.st_ino;
  }
};

TEST_F(SettingsFileTest, CreatesAMissingFileAndItsFolder) {
  const std::string nested = folder.file("a/b/Setting.ini");
  SettingsFile file(nested);
  ASSERT_TRUE(fs::exists(nested));
  EXPECT_EQ(fs::file_size(nested), 0u);
  EXPECT_EQ(file.readInt("SETTING", "Row", 3), 3);
  EXPECT_FALSE(file.hasUnsavedChanges());
}

TEST_F(SettingsFileTest, RecreatesAFileRemovedWhileRunning) {
  SettingsFile file(path);
  ASSERT_TRUE(file.writeInt("SETTING", "Row", 5));
  fs::remove(path);
  EXPECT_EQ(file.readInt("SETTING", "Row", 3), 3);  // gone means empty
  EXPECT_TRUE(fs::exists(path));
}

TEST_F(SettingsFileTest, SavesEachWriteAtOnceAsUtf8WithAMark) {
  SettingsFile file(path);
  ASSERT_TRUE(file.writeInt("SETTING", "Row", 5));
  ASSERT_TRUE(file.writeString("Wall", "Wall_Mode0", "会议模式"));
  ASSERT_TRUE(file.writeBool("SETTING", "Began", true));
  EXPECT_FALSE(file.hasUnsavedChanges());
  EXPECT_EQ(readBytes(path), kBom + "[SETTING]\r\nRow=5\r\nBegan=1\r\n\r\n[Wall]\r\nWall_Mode0=会议模式\r\n");
  SettingsFile again(path);
  EXPECT_EQ(again.readInt("setting", "ROW", 3), 5);
  EXPECT_TRUE(again.readBool("SETTING", "began", false));
  EXPECT_EQ(again.readString("Wall", "Wall_Mode0", ""), "会议模式");
}

TEST_F(SettingsFileTest, LegacyFileKeepsItsLinesAndBecomesUtf8) {
  const std::string legacy = "; \xD7\xA2\xCA\xCD\r\n[Wall]\r\nWall_Mode0=\xC4\xA3\xCA\xBD\x31\r\nUnknown=x\r\n";
  writeBytes(path, legacy);
  SettingsFile file(path);
  EXPECT_EQ(file.readString("Wall", "Wall_Mode0", ""), "模式1");
  EXPECT_EQ(readBytes(path), legacy);  // reading never rewrites
  ASSERT_TRUE(file.writeInt("Wall", "Wall_Mode", 2));
  EXPECT_EQ(readBytes(path), kBom + "; 注释\r\n[Wall]\r\nWall_Mode0=模式1\r\nUnknown=x\r\nWall_Mode=2\r\n");
}

TEST_F(SettingsFileTest, UnchangedValueIsNotSavedAgain) {
  SettingsFile file(path);
  ASSERT_TRUE(file.writeInt("S", "k", 5));
  const auto inode = inodeOf(path);
  ASSERT_TRUE(file.writeInt("S", "k", 5));
  ASSERT_TRUE(file.writeString("S", "k", "5"));
  EXPECT_EQ(inodeOf(path), inode);  // each save is a new file: none happened
  ASSERT_TRUE(file.writeInt("S", "k", 6));
  EXPECT_NE(inodeOf(path), inode);
}

TEST_F(SettingsFileTest, RefusesNamesAndValuesThatCannotBeStored) {
  SettingsFile file(path);
  EXPECT_FALSE(file.writeString("S", "a=b", "v"));
  EXPECT_FALSE(file.writeString("S]", "k", "v"));
  EXPECT_FALSE(file.writeString("S", "k", "two\nlines"));
  EXPECT_FALSE(file.hasUnsavedChanges());
  EXPECT_EQ(readBytes(path), "");
}

// ---- Edits made by someone else --------------------------------------------

enum class EditKind {
  InPlaceSameSize,
  InPlaceOtherSize,
  Replaced,
  InPlaceLater,
  // Same size, same inode and the old modification time: what a file system
  // with coarse time stamps shows for an edit within the same tick.
  InPlaceSameStamp,
};

class ExternalEditTest : public SettingsFileTest, public ::testing::WithParamInterface<EditKind> {
 protected:
  void edit(const std::string& bytes) {
    switch (GetParam()) {
      case EditKind::InPlaceLater:
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        [[fallthrough]];
      case EditKind::InPlaceSameSize:
      case EditKind::InPlaceOtherSize: writeBytes(path, bytes); break;
      case EditKind::InPlaceSameStamp: {
        struct stat before {};
        ::stat(path.c_str(), &before);
        writeBytes(path, bytes);
        const timespec times[2] = {before.st_atim, before.st_mtim};
        ::utimensat(AT_FDCWD, path.c_str(), times, 0);
        break;
      }
      case EditKind::Replaced:
        writeBytes(path + ".new", bytes);
        fs::rename(path + ".new", path);
        break;
    }
  }
  std::string editedText() const {
    return GetParam() == EditKind::InPlaceOtherSize ? "[S]\nk=22\nother=1\n" : "[S]\nk=2\nother=1\n";
  }
  std::int32_t editedValue() const { return GetParam() == EditKind::InPlaceOtherSize ? 22 : 2; }
};

TEST_P(ExternalEditTest, IsSeenAtTheNextAccess) {
  writeBytes(path, "[S]\nk=1\nother=1\n");
  SettingsFile file(path);
  ASSERT_EQ(file.readInt("S", "k", 0), 1);
  edit(editedText());
  EXPECT_EQ(file.readInt("S", "k", 0), editedValue());
}

// Our unsaved change and their edit both survive; on the same key ours wins.
TEST_P(ExternalEditTest, MergesWithOurUnsavedChanges) {
  writeBytes(path, "[S]\nk=1\nother=1\n");
  SettingsFile file(path);
  int requests = 0;
  file.setSaveRequest([&] { ++requests; });
  ASSERT_TRUE(file.writeInt("S", "other", 7));
  ASSERT_TRUE(file.writeString("New", "key", "ours"));
  EXPECT_EQ(requests, 2);
  edit(editedText());
  EXPECT_EQ(file.readInt("S", "k", 0), editedValue());
  EXPECT_EQ(file.readInt("S", "other", 0), 7);
  ASSERT_TRUE(file.saveNow());
  SettingsFile reread(path);
  EXPECT_EQ(reread.readInt("S", "k", 0), editedValue());
  EXPECT_EQ(reread.readInt("S", "other", 0), 7);
  EXPECT_EQ(reread.readString("New", "key", ""), "ours");
}

INSTANTIATE_TEST_SUITE_P(Kinds, ExternalEditTest,
                         ::testing::Values(EditKind::InPlaceSameSize, EditKind::InPlaceOtherSize, EditKind::Replaced,
                                           EditKind::InPlaceLater, EditKind::InPlaceSameStamp));

// ---- Batches and the save request -----------------------------------------

TEST_F(SettingsFileTest, BatchSavesItsWritesTogetherWhenTheOutermostEnds) {
  SettingsFile file(path);
  ASSERT_TRUE(file.writeInt("S", "a", 0));
  const std::string before = readBytes(path);
  {
    SettingsFile::Batch outer(file);
    file.writeInt("S", "a", 1);
    {
      SettingsFile::Batch inner(file);
      file.writeInt("S", "b", 2);
    }
    EXPECT_EQ(readBytes(path), before);
    EXPECT_TRUE(file.hasUnsavedChanges());
    file.writeInt("S", "c", 3);
  }
  EXPECT_FALSE(file.hasUnsavedChanges());
  EXPECT_EQ(readBytes(path), kBom + "[S]\r\na=1\r\nb=2\r\nc=3\r\n");
}

TEST_F(SettingsFileTest, BatchReadsOneVersionOfTheFile) {
  writeBytes(path, "[S]\nk=1\n");
  SettingsFile file(path);
  {
    SettingsFile::Batch batch(file);
    EXPECT_EQ(file.readInt("S", "k", 0), 1);
    writeBytes(path, "[S]\nk=22\n");
    EXPECT_EQ(file.readInt("S", "k", 0), 1);
  }
  EXPECT_EQ(file.readInt("S", "k", 0), 22);
}

TEST_F(SettingsFileTest, SaveRequestDefersSavingToItsOwner) {
  SettingsFile file(path);
  std::atomic<int> requests = 0;
  file.setSaveRequest([&] { ++requests; });
  ASSERT_TRUE(file.writeInt("S", "a", 1));
  EXPECT_EQ(requests, 1);
  EXPECT_EQ(readBytes(path), "");
  EXPECT_EQ(file.readInt("S", "a", 0), 1);  // the document has it already
  {
    SettingsFile::Batch batch(file);
    file.writeInt("S", "b", 2);
    file.writeInt("S", "c", 3);
    EXPECT_EQ(requests, 1);  // not inside the batch
  }
  EXPECT_EQ(requests, 2);
  ASSERT_TRUE(file.saveNow());
  EXPECT_FALSE(file.hasUnsavedChanges());
  EXPECT_EQ(readBytes(path), kBom + "[S]\r\na=1\r\nb=2\r\nc=3\r\n");
  // Back to saving at once.
  file.setSaveRequest({});
  ASSERT_TRUE(file.writeInt("S", "d", 4));
  EXPECT_EQ(requests, 2);
  EXPECT_FALSE(file.hasUnsavedChanges());
}

TEST_F(SettingsFileTest, SaveRequestMayCallBackIntoTheFile) {
  SettingsFile file(path);
  file.setSaveRequest([&] { EXPECT_TRUE(file.saveNow()); });  // no lock may be held here
  ASSERT_TRUE(file.writeInt("S", "a", 1));
  EXPECT_FALSE(file.hasUnsavedChanges());
  EXPECT_EQ(SettingsFile(path).readInt("S", "a", 0), 1);
}

TEST_F(SettingsFileTest, ConcurrentWritersLoseNothing) {
  SettingsFile file(path);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&file, t] {
      for (int i = 0; i < 25; ++i) {
        SettingsFile::Batch batch(file);
        file.writeInt("T" + std::to_string(t), "k" + std::to_string(i), i);
        (void)file.readInt("T0", "k0", 0);
      }
    });
  }
  for (auto& th : threads) th.join();
  SettingsFile reread(path);
  for (int t = 0; t < 4; ++t) {
    for (int i = 0; i < 25; ++i) ASSERT_EQ(reread.readInt("T" + std::to_string(t), "k" + std::to_string(i), -1), i);
  }
}

// ---- Failures ------------------------------------------------------------

// A disk that fills up: a file size limit makes the write fail the same way.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    old_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, old_);
  }

 private:
  rlimit saved_{};
  void (*old_)(int) = nullptr;
};

TEST_F(SettingsFileTest, FailedSaveKeepsChangesAndTheOldFile) {
  SettingsFile file(path);
  ASSERT_TRUE(file.writeString("S", "small", "1"));
  const std::string before = readBytes(path);
  {
    FileSizeLimit full(64);
    EXPECT_FALSE(file.writeString("S", "big", std::string(1000, 'x')));
    EXPECT_TRUE(file.hasUnsavedChanges());
    EXPECT_FALSE(file.lastError().empty());
    EXPECT_FALSE(file.saveNow());
  }
  EXPECT_EQ(readBytes(path), before);
  EXPECT_TRUE(temporaryFiles().empty());
  EXPECT_EQ(file.readString("S", "big", "").size(), 1000u);  // still in memory
  ASSERT_TRUE(file.saveNow());
  EXPECT_FALSE(file.hasUnsavedChanges());
  EXPECT_TRUE(file.lastError().empty());
  EXPECT_EQ(SettingsFile(path).readString("S", "big", "").size(), 1000u);
}

TEST_F(SettingsFileTest, ReadOnlyFolderFailsTheSave) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop the superuser";
  SettingsFile file(path);
  fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(file.writeInt("S", "k", 1));
  EXPECT_TRUE(file.hasUnsavedChanges());
  fs::permissions(folder.path(), fs::perms::owner_all);
  EXPECT_TRUE(file.saveNow());
}

TEST_F(SettingsFileTest, NeverOverwritesAFileItCannotRead) {
  fs::create_directory(path);  // something that is not a settings file
  SettingsFile file(path);
  EXPECT_EQ(file.readInt("S", "k", 9), 9);
  EXPECT_FALSE(file.writeInt("S", "k", 1));
  EXPECT_NE(file.lastError().find("cannot be read"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(path));
  EXPECT_EQ(file.readInt("S", "k", 9), 1);  // kept in memory meanwhile
}

TEST_F(SettingsFileTest, FolderThatCannotBeMadeReadsEmptyAndFailsToSave) {
  writeBytes(folder.file("plain"), "a file, not a folder");
  SettingsFile file(folder.file("plain/Setting.ini"));
  EXPECT_EQ(file.readInt("S", "k", 9), 9);
  EXPECT_FALSE(file.writeInt("S", "k", 1));
  EXPECT_TRUE(file.hasUnsavedChanges());
  EXPECT_NE(file.lastError().find("temporary file"), std::string::npos) << file.lastError();
  EXPECT_EQ(file.readInt("S", "k", 9), 1);
}

TEST_F(SettingsFileTest, FiveMegabytesOfGarbage) {
  std::mt19937 rng(7);
  std::string garbage(5 << 20, '\0');
  for (char& c : garbage) c = static_cast<char>(rng() & 0xFF);
  writeBytes(path, garbage);
  SettingsFile file(path);
  EXPECT_EQ(file.readInt("SETTING", "Row", 3), 3);
  ASSERT_TRUE(file.writeInt("SETTING", "Row", 4));
  SettingsFile reread(path);
  EXPECT_EQ(reread.readInt("SETTING", "Row", 3), 4);
  EXPECT_TRUE(readBytes(path).starts_with(kBom + decodeSettingsText(garbage).utf8));
}

// ---- The file itself -----------------------------------------------------

TEST_F(SettingsFileTest, SaveKeepsPermissionsAndFollowsALink) {
  const std::string target = folder.file("real.ini");
  writeBytes(target, "[S]\nk=1\n");
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(target, path);
  SettingsFile file(path);
  ASSERT_TRUE(file.writeInt("S", "k", 2));
  EXPECT_TRUE(fs::is_symlink(path));
  EXPECT_EQ(readBytes(target), kBom + "[S]\nk=2\n");
  EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(SettingsFileTest, RemovesTemporaryFilesOfDeadWritersOnly) {
  const pid_t dead = fork();
  if (dead == 0) _exit(0);
  waitpid(dead, nullptr, 0);
  const std::string deadTemp = folder.file(".Setting.ini." + std::to_string(dead) + ".0.tmp");
  const std::string liveTemp = folder.file(".Setting.ini." + std::to_string(getpid()) + ".999.tmp");
  const std::string otherFile = folder.file(".Other.ini." + std::to_string(dead) + ".0.tmp");
  for (const auto& p : {deadTemp, liveTemp, otherFile}) writeBytes(p, "partial");
  SettingsFile file(path);
  ASSERT_TRUE(file.writeInt("S", "k", 1));
  EXPECT_FALSE(fs::exists(deadTemp));
  EXPECT_TRUE(fs::exists(liveTemp));
  EXPECT_TRUE(fs::exists(otherFile));
}

// ---- Where the file lives ------------------------------------------------

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST_F(SettingsFileTest, LocatesTheFile) {
  const std::string dir = folder.path().string();
  const std::string missingDir = folder.file("no/such/dir");
  {
    ScopedEnv env("WALLCONTROL_SETTINGS", "/etc/from-env.ini");
    EXPECT_EQ(locateSettingsFile("/explicit.ini", dir), "/explicit.ini");
    EXPECT_EQ(locateSettingsFile("", dir), "/etc/from-env.ini");
  }
  ScopedEnv noEnv("WALLCONTROL_SETTINGS", nullptr);
  EXPECT_EQ(locateSettingsFile("", dir), dir + "/Setting.ini");
  EXPECT_EQ(locateSettingsFile("", dir + "/"), dir + "/Setting.ini");
  {
    ScopedEnv xdg("XDG_CONFIG_HOME", "/xdg");
    EXPECT_EQ(locateSettingsFile("", missingDir), "/xdg/wallcontrol/Setting.ini");
  }
  {
    ScopedEnv xdg("XDG_CONFIG_HOME", "relative/ignored");
    ScopedEnv home("HOME", "/home/op");
    EXPECT_EQ(locateSettingsFile("", missingDir), "/home/op/.config/wallcontrol/Setting.ini");
  }
}

}  // namespace
}  // namespace wall

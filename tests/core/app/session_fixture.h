#pragma once
// A session on a real Setting.ini in a fresh temporary folder.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "core/app/session.h"
#include "core/settings/settings_file.h"

namespace wall {

class SessionFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (std::filesystem::temp_directory_path() / "wall-session-XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
    path_ = dir_ + "/Setting.ini";
  }
  void TearDown() override {
    session_.reset();
    file_.reset();
    std::filesystem::remove_all(dir_);
  }

  // Writes the file's text, then opens the session on it and loads it.
  Session& start(const std::string& text = {}) {
    if (!text.empty()) std::ofstream(path_) << text;
    file_ = std::make_unique<SettingsFile>(path_);
    session_ = std::make_unique<Session>(*file_, dir_);
    session_->load();
    return *session_;
  }
  // A second look at the file, as the next start would see it.
  SettingsFile reread() { return SettingsFile(path_); }

  std::string dir_;
  std::string path_;
  std::unique_ptr<SettingsFile> file_;
  std::unique_ptr<Session> session_;
};

}  // namespace wall

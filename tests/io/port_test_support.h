#pragma once
// Small helpers shared by the serial-port tests.

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "../core/settings/temp_folder.h"
#include "core/settings/port_settings.h"
#include "pty_far_end.h"

namespace wall::test {

inline Bytes bytesOf(const std::string& s) { return Bytes(s.begin(), s.end()); }

// The wall port's default settings, on `path`.
inline PortSettings settingsOn(const std::string& path, int device = 1) {
  PortSettings s = PortSettings::defaultsFor(device);
  s.portNo = 1;
  s.device = path;
  return s;
}

// Polls `condition` until it holds or `timeout` passes; whether it held.
inline bool eventually(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (!condition()) {
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

// A fresh folder under the system's temporary folder, removed at the end.
using wall::testing::TempFolder;

// Points the symbolic link `link` at `target` in one step, as udev does when
// an adapter comes back.
inline void pointLink(const std::string& link, const std::string& target) {
  const std::string tmp = link + ".new";
  std::filesystem::remove(tmp);
  std::filesystem::create_symlink(target, tmp);
  std::filesystem::rename(tmp, link);
}

}  // namespace wall::test

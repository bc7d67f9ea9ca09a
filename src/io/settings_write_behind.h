#pragma once
// Saves the settings file off the caller's thread. Writes to the file only
// change the document in memory and ask this owner for a save; a thread of
// its own then saves them by one atomic replace, gathering the changes that
// arrive within a short window into one save. A change is on the disk within
// the window plus at most two saves (one that was already running, then its
// own). A failed save is retried until it succeeds; the changes stay in
// memory meanwhile.
//
// flush() saves at once on the calling thread (at exit); the destructor
// flushes too and puts the file back to saving each write at once. Other
// threads must have stopped writing to the file when it is destroyed.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace wall {

class SettingsFile;

class SettingsWriteBehind {
 public:
  struct Options {
    // How long the first change waits for others to join its save.
    std::chrono::milliseconds gather{10};
    // How long after a failed save the next attempt comes.
    std::chrono::milliseconds retry{1000};
  };

  // Installs itself as the file's save request; the file must outlive it.
  explicit SettingsWriteBehind(SettingsFile& file);
  SettingsWriteBehind(SettingsFile& file, Options options);
  ~SettingsWriteBehind();
  SettingsWriteBehind(const SettingsWriteBehind&) = delete;
  SettingsWriteBehind& operator=(const SettingsWriteBehind&) = delete;

  // Saves what is pending now, on the calling thread. True when nothing is
  // left unsaved.
  bool flush();

  // Called on the saving thread with the reason whenever a save fails (the
  // program shows it; the change is retried).
  void setFailureHandler(std::function<void(const std::string&)> handler);

  // Saves made by the saving thread so far, failed ones not counted.
  std::uint64_t saveCount() const;

 private:
  void request();
  void run();

  SettingsFile& file_;
  const Options options_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  bool requested_ = false;
  std::chrono::steady_clock::time_point due_;
  bool stopping_ = false;
  std::uint64_t saves_ = 0;
  std::function<void(const std::string&)> onFailure_;
  std::thread thread_;
};

}  // namespace wall

#include "io/settings_write_behind.h"

#include "core/settings/settings_file.h"

namespace wall {

SettingsWriteBehind::SettingsWriteBehind(SettingsFile& file) : SettingsWriteBehind(file, Options{}) {}

SettingsWriteBehind::SettingsWriteBehind(SettingsFile& file, Options options)
    : file_(file), options_(options), thread_([this] { run(); }) {
  file_.setSaveRequest([this] { request(); });
}

SettingsWriteBehind::~SettingsWriteBehind() {
  // From here on each write saves at once; then what is pending is saved.
  file_.setSaveRequest({});
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
  flush();
}

void SettingsWriteBehind::request() {
  {
    std::lock_guard lock(mutex_);
    if (requested_) return;  // the coming save takes this change too
    requested_ = true;
    due_ = std::chrono::steady_clock::now() + options_.gather;
  }
  wake_.notify_one();
}

bool SettingsWriteBehind::flush() { return file_.saveNow() && !file_.hasUnsavedChanges(); }

void SettingsWriteBehind::setFailureHandler(std::function<void(const std::string&)> handler) {
  std::lock_guard lock(mutex_);
  onFailure_ = std::move(handler);
}

std::uint64_t SettingsWriteBehind::saveCount() const {
  std::lock_guard lock(mutex_);
  return saves_;
}

void SettingsWriteBehind::run() {
  std::unique_lock lock(mutex_);
  while (true) {
    wake_.wait(lock, [this] { return stopping_ || requested_; });
    if (stopping_) return;
    // Gather: changes made until the save is due join it.
    if (wake_.wait_until(lock, due_, [this] { return stopping_; })) return;
    requested_ = false;
    lock.unlock();
    const bool saved = file_.saveNow();
    const std::string error = saved ? std::string() : file_.lastError();
    lock.lock();
    if (saved) {
      ++saves_;
      continue;
    }
    // Try again later; a change made meanwhile does not bring it forward.
    requested_ = true;
    due_ = std::chrono::steady_clock::now() + options_.retry;
    if (auto handler = onFailure_) {
      lock.unlock();
      handler(error);
      lock.lock();
    }
  }
}

}  // namespace wall

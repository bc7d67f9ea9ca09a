#include "io/package_queue.h"

namespace wall {

PackageQueue::PackageQueue(std::size_t capacity) : capacity_(capacity) {}

bool PackageQueue::tryPush(Bytes package) {
  {
    std::lock_guard lock(mutex_);
    if (packages_.size() >= capacity_) return false;
    packages_.push_back(std::move(package));
  }
  changed_.notify_all();
  return true;
}

void PackageQueue::pushDroppingOldest(Bytes package) {
  {
    std::lock_guard lock(mutex_);
    while (!packages_.empty() && packages_.size() >= capacity_) {
      packages_.pop_front();
      ++dropped_;
    }
    packages_.push_back(std::move(package));
  }
  changed_.notify_all();
}

std::optional<Bytes> PackageQueue::tryPop() {
  std::optional<Bytes> out;
  {
    std::lock_guard lock(mutex_);
    if (packages_.empty()) return std::nullopt;
    out = std::move(packages_.front());
    packages_.pop_front();
  }
  changed_.notify_all();
  return out;
}

std::optional<Bytes> PackageQueue::popUntil(Clock::time_point deadline) {
  std::optional<Bytes> out;
  {
    std::unique_lock lock(mutex_);
    if (!changed_.wait_until(lock, deadline, [this] { return !packages_.empty(); })) return std::nullopt;
    out = std::move(packages_.front());
    packages_.pop_front();
  }
  changed_.notify_all();
  return out;
}

bool PackageQueue::waitForRoom(Clock::time_point deadline) {
  std::unique_lock lock(mutex_);
  return changed_.wait_until(lock, deadline, [this] { return packages_.size() < capacity_; });
}

void PackageQueue::clear() {
  {
    std::lock_guard lock(mutex_);
    packages_.clear();
  }
  changed_.notify_all();
}

std::size_t PackageQueue::size() const {
  std::lock_guard lock(mutex_);
  return packages_.size();
}

std::uint64_t PackageQueue::dropped() const {
  std::lock_guard lock(mutex_);
  return dropped_;
}

}  // namespace wall

#pragma once
// A bounded first-in first-out queue of byte packages, shared between a
// port's own thread and the threads that call the port. Every member is safe
// to call from any thread.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>

#include "core/link/script.h"

namespace wall {

class PackageQueue {
 public:
  using Clock = std::chrono::steady_clock;

  explicit PackageQueue(std::size_t capacity);

  // Adds at the back; false, and nothing added, when the queue is full.
  bool tryPush(Bytes package);
  // Adds at the back; when the queue is full the oldest package makes room
  // and is counted in dropped().
  void pushDroppingOldest(Bytes package);

  // Takes the oldest package; nothing when the queue is empty.
  std::optional<Bytes> tryPop();
  // Takes the oldest package, waiting for one until `deadline`.
  std::optional<Bytes> popUntil(Clock::time_point deadline);
  // Waits until there is room for one package, at most until `deadline`.
  bool waitForRoom(Clock::time_point deadline);

  // Empties the queue; waiting writers see the room at once.
  void clear();

  std::size_t size() const;
  std::size_t capacity() const { return capacity_; }
  // Packages pushed out by pushDroppingOldest() since the queue was made.
  std::uint64_t dropped() const;

 private:
  const std::size_t capacity_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Bytes> packages_;
  std::uint64_t dropped_ = 0;
};

}  // namespace wall

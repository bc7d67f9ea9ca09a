#pragma once
// Replays a Script on a virtual clock: sends take no time, pauses advance the
// clock. Tests compare the resulting timeline byte for byte and millisecond
// for millisecond with what the hardware must see.

#include <functional>
#include <string>
#include <vector>

#include "core/link/script.h"

namespace wall {

struct TimedSend {
  long long atMs = 0;
  int device = kWallDevice;
  Bytes bytes;
  bool operator==(const TimedSend&) const = default;
};

struct Timeline {
  std::vector<TimedSend> sends;
  long long endMs = 0;   // the clock after the last step
  int dropped = 0;       // sends to a device that was not open
};

class VirtualRunner {
 public:
  // Which devices are open; a send to a closed device is dropped and
  // counted, as the real runner does. By default every device is open.
  using OpenPredicate = std::function<bool(int device)>;

  explicit VirtualRunner(OpenPredicate isOpen = {}) : isOpen_(std::move(isOpen)) {}

  // Runs `script` from the current clock and returns what it sent.
  Timeline run(const Script& script);

  long long now() const { return nowMs_; }
  void advance(long long ms) { nowMs_ += ms; }

 private:
  OpenPredicate isOpen_;
  long long nowMs_ = 0;
};

// One line per send, "<ms> <device> <hex>", for readable test failures.
std::string timelineText(const Timeline& timeline);

}  // namespace wall

#pragma once
// Replays a Script on a virtual clock: sends take no time, pauses advance the
// clock. Tests compare the resulting timeline byte for byte and millisecond
// for millisecond with what the hardware must see.

#include <deque>
#include <optional>
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
  std::vector<ReadResult> reads;
  bool cancelled = false;  // a read's observer stopped the script
};

class VirtualRunner {
 public:
  // Which devices are open; a send to a closed device is dropped and
  // counted, as the real runner does. By default every device is open.
  using OpenPredicate = std::function<bool(int device)>;

  explicit VirtualRunner(OpenPredicate isOpen = {}) : isOpen_(std::move(isOpen)) {}

  // Runs `script` from the current clock and returns what it sent.
  Timeline run(const Script& script);

  // A package that arrives on `device` at `atMs` on the virtual clock, for
  // the read steps; packages wait in arrival order until a poll takes them.
  void feed(int device, long long atMs, Bytes package);
  // Answers each send on a device at once: `responder` returns the packages
  // that arrive `delayMs` after the send (the line's quiet interval).
  using Responder = std::function<std::vector<Bytes>(int device, const Bytes& sent)>;
  void setResponder(Responder responder, long long delayMs);
  // Called after each read step; returning true stops the script there, as
  // a cancel between two steps of the real runner does.
  using ReadObserver = std::function<bool(const ReadResult&)>;
  void setReadObserver(ReadObserver observer) { readObserver_ = std::move(observer); }
  std::size_t packagesWaiting() const { return arrivals_.size(); }

  long long now() const { return nowMs_; }
  void advance(long long ms) { nowMs_ += ms; }

 private:
  struct Arrival {
    int device;
    long long atMs;
    Bytes bytes;
  };
  std::optional<Bytes> take(int device);
  ReadResult read(const ReadStep& step, int index);

  OpenPredicate isOpen_;
  long long nowMs_ = 0;
  std::deque<Arrival> arrivals_;
  Responder responder_;
  long long responderDelayMs_ = 0;
  ReadObserver readObserver_;
};

// One line per send, "<ms> <device> <hex>", for readable test failures.
std::string timelineText(const Timeline& timeline);

}  // namespace wall

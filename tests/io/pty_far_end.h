#pragma once
// The far end of a serial line in tests: a pseudo-terminal whose master side
// the test holds. The port under test opens the slave (path()); what it
// writes is collected with arrival times by a reader thread, and what the test
// sends arrives at the port.
//
// Header-only so that the wallctl tests can use it too.

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "raw_pty.h"

namespace wall::test {

using Clock = std::chrono::steady_clock;
using Bytes = std::vector<std::uint8_t>;

struct Arrival {
  Clock::time_point at;
  Bytes bytes;
};

class PtyFarEnd {
 public:
  PtyFarEnd() {
    RawPty pty = openRawPty();
    master_ = pty.master;
    slave_ = pty.slave;
    path_ = pty.path;
    reader_ = std::thread([this] { readLoop(); });
  }

  ~PtyFarEnd() { hangUp(); }

  PtyFarEnd(const PtyFarEnd&) = delete;
  PtyFarEnd& operator=(const PtyFarEnd&) = delete;

  // The slave's path: what the port opens.
  const std::string& path() const { return path_; }
  // Our own descriptor of the slave (kept open so that the master never sees
  // a hang-up between two users of the port); for reading its termios.
  int slaveFd() const { return slave_; }

  // Sends bytes to the port.
  void send(const Bytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
      if (n < 0) throw std::runtime_error("write to the pseudo-terminal failed");
      done += static_cast<std::size_t>(n);
    }
  }

  // Everything received so far, waiting until there are at least `count`
  // bytes or the timeout has passed.
  Bytes waitForBytes(std::size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    arrived_.wait_for(lock, timeout, [&] { return total_ >= count; });
    return joined();
  }

  Bytes received() {
    std::lock_guard lock(mutex_);
    return joined();
  }

  std::vector<Arrival> arrivals() {
    std::lock_guard lock(mutex_);
    return arrivals_;
  }

  // The device goes away: the master and our slave descriptor are closed,
  // which hangs up the port's descriptor too.
  void hangUp() {
    stop_ = true;
    if (reader_.joinable()) reader_.join();
    closeFds();
  }

 private:
  Bytes joined() const {
    Bytes out;
    for (const Arrival& a : arrivals_) out.insert(out.end(), a.bytes.begin(), a.bytes.end());
    return out;
  }

  void readLoop() {
    std::uint8_t buffer[8192];
    while (!stop_) {
      pollfd p{master_, POLLIN, 0};
      if (::poll(&p, 1, 10) <= 0) continue;
      if (!(p.revents & POLLIN)) {  // hung up for a moment: nobody holds the slave
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        continue;
      }
      const ssize_t n = ::read(master_, buffer, sizeof buffer);
      const auto now = Clock::now();
      if (n <= 0) continue;
      {
        std::lock_guard lock(mutex_);
        arrivals_.push_back(Arrival{now, Bytes(buffer, buffer + n)});
        total_ += static_cast<std::size_t>(n);
      }
      arrived_.notify_all();
    }
  }

  void closeFds() {
    if (master_ >= 0) ::close(master_);
    if (slave_ >= 0) ::close(slave_);
    master_ = slave_ = -1;
  }

  int master_ = -1;
  int slave_ = -1;
  std::string path_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::vector<Arrival> arrivals_;
  std::size_t total_ = 0;
  std::thread reader_;
};

// Cuts what arrived into packages by the line's rule: a package ends where
// the line was quiet for `quiet` or longer.
inline std::vector<Bytes> packagesByQuiet(const std::vector<Arrival>& arrivals, std::chrono::milliseconds quiet) {
  std::vector<Bytes> out;
  Clock::time_point last{};
  for (const Arrival& a : arrivals) {
    if (out.empty() || a.at - last >= quiet) out.emplace_back();
    out.back().insert(out.back().end(), a.bytes.begin(), a.bytes.end());
    last = a.at;
  }
  return out;
}

}  // namespace wall::test

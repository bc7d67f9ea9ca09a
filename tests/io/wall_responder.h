#pragma once
// A wall processor that answers read requests at once, on the far end of a
// pseudo-terminal: for the read-back tests of the runner, of wallctl and for
// the read-back benchmark. It answers the 7-byte (format 0), 8-byte
// (format 1) and 9-byte (format 2) read requests; what it answers is set per
// code and per unit.
//
// Header-only so that the wallctl tests and the benchmark can use it too.

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "raw_pty.h"

namespace wall::test {

class WallResponder {
 public:
  using Bytes = std::vector<std::uint8_t>;

  explicit WallResponder(int cmdForm = 0) : cmdForm_(cmdForm) {
    RawPty pty = openRawPty();
    master_ = pty.master;
    slave_ = pty.slave;
    path_ = pty.path;
    thread_ = std::thread([this] { loop(); });
  }
  ~WallResponder() {
    stop_ = true;
    thread_.join();
    ::close(master_);
    ::close(slave_);
  }
  WallResponder(const WallResponder&) = delete;
  WallResponder& operator=(const WallResponder&) = delete;

  const std::string& path() const { return path_; }

  // The value answered for a code (default: the code + 1).
  void setValue(std::uint8_t code, int value) {
    std::lock_guard lock(mutex_);
    values_[code] = value;
  }
  // The input code answered by the unit at (row, column) (default 14).
  void setSourceCode(int row, int column, std::uint8_t code) {
    std::lock_guard lock(mutex_);
    sources_[{row, column}] = code;
  }
  // Codes left unanswered.
  void silence(std::uint8_t code) {
    std::lock_guard lock(mutex_);
    silent_.insert(code);
  }
  // Each reply is preceded by a package that is no reply (sent 60 ms before
  // it, so that the line's quiet interval makes it a package of its own).
  void setGarbageFirst(bool on) { garbage_ = on; }

  // Every read request received, in order.
  std::vector<Bytes> requests() {
    std::lock_guard lock(mutex_);
    return requests_;
  }

 private:
  std::size_t requestLength() const { return cmdForm_ == 1 ? 8 : cmdForm_ == 2 ? 9 : 7; }

  void loop() {
    Bytes pending;
    std::uint8_t buffer[4096];
    while (!stop_) {
      pollfd p{master_, POLLIN, 0};
      if (::poll(&p, 1, 5) <= 0 || !(p.revents & POLLIN)) continue;
      const ssize_t n = ::read(master_, buffer, sizeof buffer);
      if (n <= 0) continue;
      pending.insert(pending.end(), buffer, buffer + n);
      const std::size_t len = requestLength();
      std::size_t at = 0;
      while (pending.size() - at >= len) {
        if (pending[at] != 0xFB || pending[at + 1] != 0xB2) {
          ++at;
          continue;
        }
        answer(Bytes(pending.begin() + static_cast<long>(at), pending.begin() + static_cast<long>(at + len)));
        at += len;
      }
      pending.erase(pending.begin(), pending.begin() + static_cast<long>(at));
    }
  }

  void answer(const Bytes& request) {
    int row = 0, column = 0;
    std::uint8_t code = 0;
    if (cmdForm_ == 2) {
      row = request[2] - 1;
      column = request[3] - 1;
      code = request[6];
    } else {
      row = (request[2] - 0x11) / 16;
      column = (request[2] - 0x11) % 16;
      code = request[4];
    }
    Bytes reply;
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(request);
      if (silent_.count(code)) return;
      if (code == 0x30) {
        auto it = sources_.find({row, column});
        reply = sourceReply(request, column, it == sources_.end() ? std::uint8_t{14} : it->second);
      } else {
        auto it = values_.find(code);
        reply = valueReply(code, it == values_.end() ? code + 1 : it->second);
      }
    }
    if (garbage_) {
      write({0x00, 0x99, 0x00, 0xAE});
      std::this_thread::sleep_for(std::chrono::milliseconds(60));
    }
    write(reply);
  }

  Bytes sourceReply(const Bytes& request, int column, std::uint8_t c) const {
    if (cmdForm_ == 1) return {0xE5, 0x00, 0x30, c, 0x00, 0xE0};
    if (cmdForm_ == 2) return {0x00, static_cast<std::uint8_t>(column + 1), 0x30, c, 0xAE};
    return {request[2], 0x30, c, 0xAE};
  }

  Bytes valueReply(std::uint8_t code, int value) const {
    const auto lo = static_cast<std::uint8_t>(value % 255), hi = static_cast<std::uint8_t>(value / 255);
    if (cmdForm_ == 1) {
      if (code == 0x80 || code == 0x81) return {0xE5, 0, 0, 0xFF, 0x00, 0xE0, 0xE5, 0, code, lo, hi, 0xE0};
      if (code >= 0x65 && code <= 0x68) {
        const auto l = static_cast<std::uint8_t>(value & 0xFF), h = static_cast<std::uint8_t>(value >> 8);
        return {0xE5, 0, code, l, h, 0xE0, 0xE5, 0, 0, 1, 0, 0xE0, 0xE5, 0, 0, 100, 0, 0xE0};
      }
      return {0xE5, 0x00, code, lo, hi, 0xE0};
    }
    const auto v = static_cast<std::uint8_t>(value);
    if (cmdForm_ == 2) return {0x01, 0x01, code, v, 0xAE};
    return {0x11, code, v, 0xAE};
  }

  void write(const Bytes& b) {
    std::size_t done = 0;
    while (done < b.size()) {
      const ssize_t n = ::write(master_, b.data() + done, b.size() - done);
      if (n <= 0) return;
      done += static_cast<std::size_t>(n);
    }
  }

  const int cmdForm_;
  int master_ = -1, slave_ = -1;
  std::string path_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> garbage_{false};
  std::mutex mutex_;
  std::map<std::uint8_t, int> values_;
  std::map<std::pair<int, int>, std::uint8_t> sources_;
  std::set<std::uint8_t> silent_;
  std::vector<Bytes> requests_;
  std::thread thread_;
};

}  // namespace wall::test

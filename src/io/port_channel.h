#pragma once
// What a serial port's own thread (PortWorker) shares with the threads that
// call the port (SerialPort): the two package queues and the port's state.

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "io/package_queue.h"

namespace wall {

enum class PortState {
  Closed,  // not opened, closed, or its opening failed
  Open,
  Failed,  // the device went away while open; the port reopens it when it returns
};

// Package mode: a package is at most this long, both ways. A longer write is
// refused whole (never cut); a longer burst on the line becomes several
// packages.
inline constexpr std::size_t kPackageBytes = 4096;
// Received packages waiting to be read; when full the oldest gives way.
inline constexpr std::size_t kReceiveQueuePackages = 16;
// Packages waiting to be written; when full, writePackage() returns 0.
inline constexpr std::size_t kSendQueuePackages = 256;
// The quiet interval that ends a received package.
inline constexpr int kPackageQuietMs = 50;

struct PortChannel {
  PackageQueue received{kReceiveQueuePackages};
  PackageQueue toSend{kSendQueuePackages};
  std::atomic<PortState> state{PortState::Closed};
  // Set by a writer that has asked the port's thread to send; cleared by
  // that thread before it takes packages, so no request is lost.
  std::atomic<bool> sendRequested{false};
  // True while that thread moves packages from the queue to the line.
  std::atomic<bool> sending{false};
  // Bytes handed to QSerialPort that the system has not taken yet.
  std::atomic<std::int64_t> unwritten{0};
};

}  // namespace wall

#pragma once
// The program's five serial ports, YbCommDevice1 to YbCommDevice5, and the
// script runner's way to them.

#include <array>
#include <chrono>
#include <memory>

#include "io/script_ports.h"
#include "io/serial_port.h"

namespace wall {

class PortBank : public ScriptPorts {
 public:
  // How long a send waits for room in a full send queue before the package
  // is dropped: a line held up by flow control must not hang a script.
  static constexpr std::chrono::seconds kSendRoomWait{5};

  PortBank();

  // Device 1 to 5.
  SerialPort& port(int device);

  SendOutcome send(int device, const Bytes& bytes, const std::atomic<bool>& cancel) override;
  std::optional<Bytes> receive(int device, std::size_t maximum) override;

  // Waits until every open port has handed its queued packages to the
  // system. False on timeout.
  bool waitForWritten(std::chrono::milliseconds timeout);

 private:
  std::array<std::unique_ptr<SerialPort>, kLastDevice> ports_;
};

}  // namespace wall

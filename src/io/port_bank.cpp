#include "io/port_bank.h"

#include <stdexcept>


namespace wall {

PortBank::PortBank() {
  for (int d = kFirstDevice; d <= kLastDevice; ++d) ports_[static_cast<std::size_t>(d - 1)] = std::make_unique<SerialPort>(d);
}

SerialPort& PortBank::port(int device) {
  if (device < kFirstDevice || device > kLastDevice) throw std::out_of_range("no serial device " + std::to_string(device));
  return *ports_[static_cast<std::size_t>(device - 1)];
}

SendOutcome PortBank::send(int device, const Bytes& bytes, const std::atomic<bool>& cancel) {
  if (device < kFirstDevice || device > kLastDevice) return SendOutcome::Dropped;
  return port(device).writePackageWaiting(bytes, SerialPort::Clock::now() + kSendRoomWait, &cancel);
}

std::optional<Bytes> PortBank::receive(int device, std::size_t maximum) {
  if (device < kFirstDevice || device > kLastDevice) return std::nullopt;
  return port(device).readPackage(maximum);
}

bool PortBank::waitForWritten(std::chrono::milliseconds timeout) {
  const auto deadline = SerialPort::Clock::now() + timeout;
  for (auto& p : ports_) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SerialPort::Clock::now());
    if (!p->waitForWritten(std::max(left, std::chrono::milliseconds(0)))) return false;
  }
  return true;
}

}  // namespace wall

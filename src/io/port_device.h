#pragma once
// A device that stands in for the line behind a SerialPort: the demo mode's
// simulated wall and matrices. While one is attached the port opens and
// closes without a line, hands every package written to the device at once,
// and receives what the device delivers as if it had come from the line.

#include "core/link/script.h"

namespace wall {

class PortDevice {
 public:
  virtual ~PortDevice() = default;
  // One package written on `device` (1 to 5). Called on the writer's thread
  // (the script runner's); the device answers through SerialPort::deliver.
  virtual void receive(int device, const Bytes& package) = 0;
};

}  // namespace wall

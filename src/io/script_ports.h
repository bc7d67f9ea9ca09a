#pragma once
// The ports as the script runner sees them: by device number. PortBank is the
// real one; tests may put their own behind a runner.

#include <atomic>
#include <optional>

#include "core/link/script.h"
#include "io/serial_port.h"

namespace wall {

class ScriptPorts {
 public:
  virtual ~ScriptPorts() = default;

  // Sends one package on `device` (1 to 5). Waits while that port's send
  // queue is full; gives up with Cancelled when `cancel` turns true.
  virtual SendOutcome send(int device, const Bytes& bytes, const std::atomic<bool>& cancel) = 0;

  // The read-back's poll: takes the oldest received package on `device`,
  // cut to `maximum` bytes, without waiting; nothing when none is waiting.
  virtual std::optional<Bytes> receive(int device, std::size_t maximum) {
    (void)device, (void)maximum;
    return std::nullopt;
  }
};

}  // namespace wall

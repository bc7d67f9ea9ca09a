#include "core/matrix/switch_emitter.h"

namespace wall {

void SwitchEmitter::pause(int ms) {
  // A pause of 0 ms is no step at all: packets then go back to back.
  if (ms > 0) script_.pause(ms);
}

void SwitchEmitter::packet(const Packet& p, int pauseMs) {
  if (p.refused()) {
    note(subject_ + ": " + p.refusal() + "; nothing sent");
    return;
  }
  write(p.bytes(), pauseMs == kKindPause ? delayMs_ : pauseMs);
}

bool SwitchEmitter::steps(const PacketSteps& steps, const std::string& what) {
  if (const Packet* bad = steps.refused()) {
    note(subject_ + ", " + what + ": " + bad->refusal() + "; nothing sent for it");
    return false;
  }
  for (const auto& item : steps.items()) write(item.packet.bytes(), item.pauseMs == kKindPause ? delayMs_ : item.pauseMs);
  return true;
}

bool SwitchEmitter::outputSteps(const PacketSteps& steps, int out) {
  // The name is only made when a packet is refused: most calls never need it.
  if (steps.refused()) return this->steps(steps, "output " + std::to_string(out));
  return this->steps(steps, std::string());
}

void SwitchEmitter::write(const Bytes& bytes, int pauseMs) {
  const int times = write_.times < 1 ? 1 : write_.times;
  for (int t = 0; t < times; ++t) {
    if (t > 0) pause(write_.gapMs);
    if (!write_.bytePerWrite) {
      script_.send(device_, bytes);
      continue;
    }
    for (std::uint8_t byte : bytes) {
      script_.send(device_, Bytes{byte});
      if (write_.pauseAfterEachByte) pause(pauseMs);
    }
  }
  if (!write_.pauseAfterEachByte) pause(pauseMs);
}

}  // namespace wall

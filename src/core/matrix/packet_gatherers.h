#pragma once
// How the new outputs of one call become packets, by the format's
// gathering: at once per output, or collected into one packet that is
// completed when it is full and after the walk.

#include <memory>

#include "core/matrix/brand_format.h"
#include "core/matrix/switch_emitter.h"

namespace wall {

class PacketGatherer {
 public:
  virtual ~PacketGatherer() = default;
  // A new output of the call. False when nothing can be sent for it (a
  // value its fields cannot carry; the reason is in the log).
  virtual bool add(int out) = 0;
  // After the walk: sends what is still collected.
  virtual void finish() {}
};

// The gatherer of the call's format; null for a format that sends nothing.
std::unique_ptr<PacketGatherer> makeGatherer(const SwitchCall& call, SwitchEmitter& emit);

}  // namespace wall

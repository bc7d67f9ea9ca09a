#pragma once
// Turns a call's packets into script steps: each packet written on the
// kind's device the way its brand writes it, followed by its pause; a
// refused packet becomes a log line instead.

#include <string>
#include <vector>

#include "core/link/script.h"
#include "core/matrix/brand_format.h"

namespace wall {

class SwitchEmitter {
 public:
  SwitchEmitter(Script& script, std::vector<std::string>& log, int device, int delayMs, WriteMode write)
      : script_(script), log_(log), device_(device), delayMs_(delayMs < 0 ? 0 : delayMs), write_(write) {}

  // One packet and the pause after it (kKindPause: the kind's DelayTime).
  void packet(const Packet& packet, int pauseMs = kKindPause);
  // Every packet of the steps, or, when one is refused, none: the reason
  // goes to the log under `what` ("output 12").
  bool steps(const PacketSteps& steps, const std::string& what);
  // The same for the packets of one output ("output 12" in the log).
  bool outputSteps(const PacketSteps& steps, int out);
  void pause(int ms);
  void note(std::string line) { log_.push_back(std::move(line)); }

  // Names the brand in log lines ("VGA KEDI2, input 3").
  void setSubject(std::string subject) { subject_ = std::move(subject); }
  const std::string& subject() const { return subject_; }

 private:
  void write(const Bytes& bytes, int pauseMs);

  Script& script_;
  std::vector<std::string>& log_;
  int device_;
  int delayMs_;
  WriteMode write_;
  std::string subject_;
};

}  // namespace wall

#include "core/link/virtual_runner.h"

namespace wall {

Timeline VirtualRunner::run(const Script& script) {
  Timeline out;
  for (const Step& step : script.steps()) {
    if (const auto* s = std::get_if<SendStep>(&step)) {
      if (isOpen_ && !isOpen_(s->device)) {
        ++out.dropped;
        continue;
      }
      out.sends.push_back({nowMs_, s->device, s->bytes});
    } else if (const auto* p = std::get_if<PauseStep>(&step)) {
      nowMs_ += p->ms;
    }
  }
  out.endMs = nowMs_;
  return out;
}

std::string timelineText(const Timeline& timeline) {
  std::string out;
  for (const TimedSend& s : timeline.sends) {
    out += std::to_string(s.atMs) + " " + std::to_string(s.device) + " " + hexText(s.bytes) + "\n";
  }
  return out;
}

}  // namespace wall

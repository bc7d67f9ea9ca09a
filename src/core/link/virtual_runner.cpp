#include "core/link/virtual_runner.h"

#include <algorithm>

namespace wall {

void VirtualRunner::feed(int device, long long atMs, Bytes package) {
  Arrival a{device, atMs, std::move(package)};
  // Keep arrival order even when packages are fed out of order.
  auto it = std::upper_bound(arrivals_.begin(), arrivals_.end(), atMs,
                             [](long long t, const Arrival& x) { return t < x.atMs; });
  arrivals_.insert(it, std::move(a));
}

void VirtualRunner::setResponder(Responder responder, long long delayMs) {
  responder_ = std::move(responder);
  responderDelayMs_ = delayMs;
}

std::optional<Bytes> VirtualRunner::take(int device) {
  for (auto it = arrivals_.begin(); it != arrivals_.end() && it->atMs <= nowMs_; ++it) {
    if (it->device != device) continue;
    Bytes b = std::move(it->bytes);
    arrivals_.erase(it);
    if (b.size() > kReplyFetchBytes) b.resize(kReplyFetchBytes);
    return b;
  }
  return std::nullopt;
}

ReadResult VirtualRunner::read(const ReadStep& step, int index) {
  ReadResult r{index, std::nullopt, 0};
  for (int poll = 0; poll < step.polls; ++poll) {
    ++r.polls;
    if (auto package = take(step.device); package && decodeReply(step.expect, *package)) {
      r.reply = std::move(package);
      break;
    }
    nowMs_ += kReadPollMs;
  }
  nowMs_ += step.waitMs;
  return r;
}

Timeline VirtualRunner::run(const Script& script) {
  Timeline out;
  int reads = 0;
  for (const Step& step : script.steps()) {
    if (const auto* s = std::get_if<SendStep>(&step)) {
      if (isOpen_ && !isOpen_(s->device)) {
        ++out.dropped;
        continue;
      }
      out.sends.push_back({nowMs_, s->device, s->bytes});
      if (responder_) {
        for (Bytes& b : responder_(s->device, s->bytes)) feed(s->device, nowMs_ + responderDelayMs_, std::move(b));
      }
    } else if (const auto* p = std::get_if<PauseStep>(&step)) {
      nowMs_ += p->ms;
    } else if (const auto* r = std::get_if<ReadStep>(&step)) {
      out.reads.push_back(read(*r, reads++));
      if (readObserver_ && readObserver_(out.reads.back())) {
        out.cancelled = true;
        break;
      }
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

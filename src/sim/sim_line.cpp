#include "sim/sim_line.h"

namespace wall::sim {

namespace {

// A run of unknown bytes is logged in pieces no longer than this.
constexpr std::size_t kUnknownRun = 64;

}  // namespace

SimLine::Output SimLine::feed(std::span<const std::uint8_t> bytes) {
  buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
  Output out;
  scan(out);
  return out;
}

SimLine::Output SimLine::flush() {
  Output out;
  unknown_.insert(unknown_.end(), buffer_.begin(), buffer_.end());
  buffer_.clear();
  flushUnknown(out);
  return out;
}

void SimLine::scan(Output& out) {
  std::size_t at = 0;
  while (at < buffer_.size()) {
    const std::span<const std::uint8_t> rest(buffer_.data() + at, buffer_.size() - at);
    bool waiting = false;
    if (wall_ != nullptr) {
      auto frame = scanWallFrame(rest, layoutFor(wall_->cmdForm()));
      if (frame.status == ScanStatus::Complete) {
        flushUnknown(out);
        SimWall::Outcome result = wall_->handle(frame.value);
        out.log.push_back(hexText(frame.value.bytes) + "  " + result.log);
        for (Bytes& r : result.replies) out.replies.push_back(std::move(r));
        at += frame.length;
        continue;
      }
      waiting = frame.status == ScanStatus::NeedMore;
    }
    if (!matrices_.empty()) {
      auto packet = scanMatrixPacket(rest);
      if (packet.status == ScanStatus::Complete) {
        flushUnknown(out);
        takeMatrix(packet.value, out);
        at += packet.length;
        continue;
      }
      waiting = waiting || packet.status == ScanStatus::NeedMore;
    }
    if (waiting) break;
    // Line ends after a text packet (a brand's "\r\n" trailer) are not news.
    if (unknown_.empty() && (buffer_[at] == '\r' || buffer_[at] == '\n')) {
      ++at;
      continue;
    }
    unknown_.push_back(buffer_[at++]);
    if (unknown_.size() >= kUnknownRun) flushUnknown(out);
  }
  buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(at));
  // Bytes that wait for the rest of a frame keep the unknown run open: they
  // may turn out to belong to it.
  if (buffer_.empty()) flushUnknown(out);
}

void SimLine::takeMatrix(const MatrixSwitch& s, Output& out) {
  std::string takers;
  for (SimMatrix* m : matrices_) {
    if (m->take(s)) takers += (takers.empty() ? "" : ", ") + std::string(kindLabel(m->kind()));
  }
  out.log.push_back(hexText(s.bytes) + "  matrix " + describe(s) +
                    (takers.empty() ? " (no matrix takes it)" : " [" + takers + "]"));
}

void SimLine::flushUnknown(Output& out) {
  if (unknown_.empty()) return;
  out.log.push_back(hexText(unknown_) + "  unknown bytes");
  unknown_.clear();
}

}  // namespace wall::sim

#pragma once
// One serial line into the simulation: a stream of bytes that may split a
// frame over several packages or join several frames in one. The line
// finds wall frames (when a processor listens on it) and matrix packets
// (for the matrices that hang on it) and hands them on; bytes that are
// neither are logged and skipped, and the stream finds its step again at the
// next frame.

#include <span>
#include <string>
#include <vector>

#include "core/link/script.h"
#include "sim/sim_matrix.h"
#include "sim/sim_wall.h"

namespace wall::sim {

class SimLine {
 public:
  SimLine(SimWall* wall, std::vector<SimMatrix*> matrices) : wall_(wall), matrices_(std::move(matrices)) {}

  struct Output {
    std::vector<std::string> log;    // one line per frame, packet or run of unknown bytes
    std::vector<Bytes> replies;      // what the processor answers, in order
  };

  Output feed(std::span<const std::uint8_t> bytes);
  // The line has gone quiet: bytes still waiting for the rest of a frame
  // will not get it; they are logged as unknown and dropped.
  Output flush();

  std::size_t pending() const { return buffer_.size(); }

 private:
  void scan(Output& out);
  void takeMatrix(const MatrixSwitch& s, Output& out);
  void flushUnknown(Output& out);

  SimWall* wall_;
  std::vector<SimMatrix*> matrices_;
  Bytes buffer_;
  Bytes unknown_;
};

}  // namespace wall::sim

#pragma once
// The simulated wall processor: takes decoded wall frames, keeps the state
// they imply for each unit, and answers read requests in the reply layout of
// its command format. Frames it does not understand are logged, never fatal.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/link/script.h"
#include "sim/sim_unit.h"
#include "sim/wall_frame_decoder.h"

namespace wall::sim {

// Wall input codes as the processor names them; the inverse of the
// read-back's decoding table (code → SourceCode).
int sourceCodeOfInput(int inputCode);

// FA F5 "Recall" p ".": the processor's plan-recall notice, p the 0-based
// plan index.
Bytes recallNotice(std::uint8_t planIndex);

class SimWall {
 public:
  // The largest wall the frames can name (9-byte layout, 30 × 30).
  static constexpr int kMaxSide = 30;

  SimWall(int rows, int columns, int cmdForm);

  struct Outcome {
    std::string log;
    std::vector<Bytes> replies;
  };
  Outcome handle(const WallFrame& frame);

  int rows() const { return rows_; }
  int columns() const { return columns_; }
  int cmdForm() const { return cmdForm_; }
  void setCmdForm(int cmdForm) { cmdForm_ = cmdForm; }
  // Resizes the wall; units keep their state where they still exist.
  void resize(int rows, int columns);

  const UnitState& unit(int row, int column) const;
  const std::vector<PipWindow>& windows() const { return windows_; }
  const std::map<int, SavedMode>& savedModes() const { return saved_; }
  int lastRecalledMode() const { return lastRecalled_; }  // 1-based, 0 none
  // Bumped by every change of state, so an observer can redraw lazily.
  std::uint64_t revision() const { return revision_; }

 private:
  std::vector<std::pair<int, int>> unitsOf(const FrameTarget& target) const;
  UnitState& at(int row, int column);
  Outcome command(const WallFrame& f, const std::vector<std::pair<int, int>>& units);
  std::string pip(const WallFrame& f, const std::vector<std::pair<int, int>>& units);
  std::string roam(const WallFrame& f);
  std::string plan(std::uint8_t code, int number);
  PipWindow& windowOn(const Selection& block);
  void closeOverlapping(const Selection& block, bool keepSame);
  Bytes reply(std::uint8_t code, int row, int column) const;
  std::uint32_t readValue(std::uint8_t code, int row, int column) const;

  int rows_;
  int columns_;
  int cmdForm_;
  std::vector<UnitState> units_;  // kMaxSide × kMaxSide, row-major
  std::vector<PipWindow> windows_;
  std::map<int, SavedMode> saved_;
  int lastRecalled_ = 0;
  std::uint64_t revision_ = 0;
};

}  // namespace wall::sim

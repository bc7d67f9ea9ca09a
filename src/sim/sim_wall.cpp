#include "sim/sim_wall.h"

#include <algorithm>
#include <array>

namespace wall::sim {

namespace {

constexpr std::uint8_t kPower = 0x10;
constexpr std::uint8_t kInput = 0x30;
constexpr std::uint8_t kInputSingle = 0x31;
constexpr std::uint8_t kTestPattern = 0xB1;
constexpr std::uint8_t kSaveMode = 0xC9;
constexpr std::uint8_t kRecallMode = 0xCA;
constexpr std::uint8_t kPipFirst = 0x60;
constexpr std::uint8_t kPipLast = 0x6E;
constexpr std::uint8_t kPipSource = 0x61;
constexpr std::uint8_t kPipPreset = 0x63;
constexpr std::uint8_t kPipSwap = 0x64;
constexpr std::uint8_t kPipHPos = 0x65;
constexpr std::uint8_t kPipVPos = 0x66;
constexpr std::uint8_t kPipHSize = 0x67;
constexpr std::uint8_t kPipVSize = 0x68;
constexpr std::uint8_t kPipClose = 0x6D;
constexpr int kWhole = 1000;  // a window's rectangle in thousandths of its block

// The read-back's decoding table, reply code → SourceCode.
constexpr std::array<int, 30> kSourceOfCode = {2, 3, 4, 5, 6, 0, 0, 0, 0, 7, 0, 8,  0, 1, 10,
                                               11, 9, 0, 12, 13, 0, 1, 2, 3, 4, 9, 11, 16, 14, 15};

// The picture values a fresh processor reports (brightness, contrast,
// saturation, hue, sharpness); everything else starts at 0.
std::uint32_t defaultValue(std::uint8_t code) { return code >= 0x40 && code <= 0x44 ? 50 : 0; }

bool overlaps(const Selection& a, const Selection& b) {
  return a.top <= b.bottom && b.top <= a.bottom && a.left <= b.right && b.left <= a.right;
}

std::uint8_t byte(std::uint32_t v) { return static_cast<std::uint8_t>(v & 0xFF); }

// (hi × 255) | lo == v, as the program decodes the position replies.
std::pair<std::uint8_t, std::uint8_t> orPair(std::uint32_t v) {
  for (std::uint32_t hi = v / 255 + 1; hi-- > 0;) {
    const std::uint32_t high = hi * 255;
    if ((high & ~v) == 0 && (v & ~high) <= 0xFF && hi <= 0xFF) return {byte(v & ~high), byte(hi)};
  }
  return {byte(v % 255), byte(v / 255)};
}

}  // namespace

int sourceCodeOfInput(int inputCode) {
  if (inputCode < 0 || inputCode >= static_cast<int>(kSourceOfCode.size())) return 12;
  return kSourceOfCode[static_cast<std::size_t>(inputCode)];
}

Bytes recallNotice(std::uint8_t planIndex) {
  return Bytes{0xFA, 0xF5, 'R', 'e', 'c', 'a', 'l', 'l', planIndex, '.'};
}

SimWall::SimWall(int rows, int columns, int cmdForm)
    : rows_(std::clamp(rows, 1, kMaxSide)),
      columns_(std::clamp(columns, 1, kMaxSide)),
      cmdForm_(cmdForm),
      units_(static_cast<std::size_t>(kMaxSide * kMaxSide)) {}

void SimWall::resize(int rows, int columns) {
  rows_ = std::clamp(rows, 1, kMaxSide);
  columns_ = std::clamp(columns, 1, kMaxSide);
  ++revision_;
}

const UnitState& SimWall::unit(int row, int column) const {
  return units_[static_cast<std::size_t>(std::clamp(row, 0, kMaxSide - 1) * kMaxSide +
                                         std::clamp(column, 0, kMaxSide - 1))];
}

UnitState& SimWall::at(int row, int column) { return const_cast<UnitState&>(unit(row, column)); }

std::vector<std::pair<int, int>> SimWall::unitsOf(const FrameTarget& target) const {
  Selection s = target.allUnits ? Selection{0, 0, rows_ - 1, columns_ - 1} : target.block;
  s.top = std::max(s.top, 0);
  s.left = std::max(s.left, 0);
  s.bottom = std::min(s.bottom, rows_ - 1);
  s.right = std::min(s.right, columns_ - 1);
  std::vector<std::pair<int, int>> units;
  for (int r = s.top; r <= s.bottom; ++r) {
    for (int c = s.left; c <= s.right; ++c) units.emplace_back(r, c);
  }
  return units;
}

SimWall::Outcome SimWall::handle(const WallFrame& f) {
  const std::string what = describe(f);
  if (f.kind == WallFrameKind::IdSet) return {what, {}};
  if (f.kind == WallFrameKind::Roaming) return {what + roam(f), {}};
  const auto units = unitsOf(f.target);
  if (units.empty()) return {what + " (no unit of the wall)", {}};
  if (f.kind == WallFrameKind::Colour || f.kind == WallFrameKind::ExtendedColour) {
    for (auto [r, c] : units) at(r, c).colour = f.rgb;
    ++revision_;
    return {what, {}};
  }
  if (f.classByte == kClassRead) {
    const auto [r, c] = units.front();
    Outcome out{what, {reply(f.code, r, c)}};
    out.log += " -> " + hexText(out.replies.front());
    return out;
  }
  if (f.classByte != kClassCommand && f.classByte != kClassValue) return {what + " (unknown class)", {}};
  Outcome out = command(f, units);
  out.log = what + out.log;
  ++revision_;
  return out;
}

SimWall::Outcome SimWall::command(const WallFrame& f, const std::vector<std::pair<int, int>>& units) {
  if (f.code == kSaveMode || f.code == kRecallMode) return {plan(f.code, static_cast<int>(f.value)), {}};
  for (auto [r, c] : units) {
    UnitState& u = at(r, c);
    u.values[f.code] = f.value;
    if (f.code == kPower) u.power = f.value != 0;
    if (f.code == kInput || f.code == kInputSingle) {
      u.inputCode = static_cast<int>(f.value);
      u.singleScreen = f.code == kInputSingle;
    }
    if (f.code == kTestPattern && f.classByte == kClassValue) u.testPattern = static_cast<int>(f.value);
  }
  if (f.code >= kPipFirst && f.code <= kPipLast) return {pip(f, units), {}};
  return {};
}

PipWindow& SimWall::windowOn(const Selection& block) {
  for (PipWindow& w : windows_) {
    if (w.block == block) return w;
  }
  closeOverlapping(block, false);
  windows_.push_back(PipWindow{block});
  return windows_.back();
}

void SimWall::closeOverlapping(const Selection& block, bool keepSame) {
  std::erase_if(windows_, [&](const PipWindow& w) { return overlaps(w.block, block) && !(keepSame && w.block == block); });
}

std::string SimWall::pip(const WallFrame& f, const std::vector<std::pair<int, int>>& units) {
  const Selection block{units.front().first, units.front().second, units.back().first, units.back().second};
  const int v = static_cast<int>(f.value);
  switch (f.code) {
    case kPipClose: {
      const auto before = windows_.size();
      closeOverlapping(block, false);
      return before == windows_.size() ? " (no window open there)" : " (window closed)";
    }
    case kPipSource: windowOn(block).inputCode = v; return " (window source)";
    case kPipPreset: {
      PipWindow& w = windowOn(block);
      const int size = std::clamp(v & 0x0F, 0, 9);
      const int pos = v >> 4;
      w.preset = v;
      w.width = w.height = (size + 1) * kWhole / 10;
      const int room = kWhole - w.width;
      const std::array<std::pair<int, int>, 5> corners = {
          std::pair{0, 0}, std::pair{room, 0}, std::pair{0, room}, std::pair{room, room}, std::pair{room / 2, room / 2}};
      std::tie(w.left, w.top) = corners[static_cast<std::size_t>(std::clamp(pos, 0, 4))];
      return " (window placed)";
    }
    case kPipSwap: windowOn(block).swapped = !windowOn(block).swapped; return " (main and sub swapped)";
    case kPipHPos: { PipWindow& w = windowOn(block); w.left = v * (kWhole - w.width) / 100; return {}; }
    case kPipVPos: { PipWindow& w = windowOn(block); w.top = v * (kWhole - w.height) / 100; return {}; }
    case kPipHSize: { PipWindow& w = windowOn(block); w.width = std::clamp(v * 10, 10, kWhole - w.left); return {}; }
    case kPipVSize: { PipWindow& w = windowOn(block); w.height = std::clamp(v * 10, 10, kWhole - w.top); return {}; }
    default: return {};
  }
}

std::string SimWall::roam(const WallFrame& f) {
  for (PipWindow& w : windows_) {
    if (!(w.block == f.target.block)) continue;
    if (f.code == 0x70) {
      w.left = std::min<int>(f.x, 100) * (kWhole - w.width) / 100;
      w.top = std::min<int>(f.y, 100) * (kWhole - w.height) / 100;
    } else {
      w.width = std::max(10, std::min<int>(f.x, 100) * (kWhole - w.left) / 100);
      w.height = std::max(10, std::min<int>(f.y, 100) * (kWhole - w.top) / 100);
    }
    ++revision_;
    return {};
  }
  return " (no window on that block)";
}

std::string SimWall::plan(std::uint8_t code, int number) {
  if (code == kSaveMode) {
    SavedMode mode;
    for (int r = 0; r < rows_; ++r) {
      for (int c = 0; c < columns_; ++c) mode.units[r * columns_ + c] = unit(r, c);
    }
    saved_[number] = std::move(mode);
    return " (mode " + std::to_string(number) + " saved)";
  }
  lastRecalled_ = number;
  const auto it = saved_.find(number);
  if (it == saved_.end()) return " (mode " + std::to_string(number) + " was never saved)";
  for (const auto& [index, state] : it->second.units) {
    UnitState& u = at(index / columns_, index % columns_);
    u.inputCode = state.inputCode;
    u.singleScreen = state.singleScreen;
  }
  return " (mode " + std::to_string(number) + " recalled)";
}

std::uint32_t SimWall::readValue(std::uint8_t code, int row, int column) const {
  const UnitState& u = unit(row, column);
  if (code == kInput) return static_cast<std::uint32_t>(u.inputCode);
  if (code == kPower) return u.power ? 1 : 0;
  const auto it = u.values.find(code);
  return it != u.values.end() ? it->second : defaultValue(code);
}

Bytes SimWall::reply(std::uint8_t code, int row, int column) const {
  const std::uint32_t v = readValue(code, row, column);
  switch (layoutFor(cmdForm_)) {
    case FrameLayout::Bytes7: return {unitAddress(row, column), code, byte(v), kFrameTail};
    case FrameLayout::Bytes9:
      return {byte(static_cast<std::uint32_t>(row + 1)), byte(static_cast<std::uint32_t>(column + 1)), code, byte(v),
              kFrameTail};
    case FrameLayout::Bytes8: break;
  }
  const std::uint8_t a = unitAddress(row, column);
  if (code == 0x80 || code == 0x81) {
    const auto [mlo, mhi] = orPair(std::max<std::uint32_t>(v, 100));
    const auto [lo, hi] = orPair(v);
    return {0xE5, a, 0x00, mlo, mhi, 0xE0, 0xE5, a, code, lo, hi, 0xE0};
  }
  if (code >= kPipHPos && code <= kPipVSize) {
    // These three groups count their high byte in 256s.
    const std::uint32_t max = std::max<std::uint32_t>(v, 100);
    return {0xE5, a, code, byte(v), byte(v >> 8), 0xE0, 0xE5, a, 0x00, 0x01, 0x00, 0xE0,
            0xE5, a, 0x00, byte(max), byte(max >> 8), 0xE0};
  }
  return {0xE5, a, code, byte(v % 255), byte(v / 255), 0xE0};
}

}  // namespace wall::sim

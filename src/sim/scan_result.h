#pragma once
// What a scanner makes of the bytes at the head of a stream: a whole packet
// of `length` bytes, the start of one that needs more bytes, or nothing it
// knows.

#include <cstddef>

namespace wall::sim {

enum class ScanStatus { Complete, NeedMore, NoMatch };

template <typename T>
struct Scan {
  ScanStatus status = ScanStatus::NoMatch;
  std::size_t length = 0;
  T value{};

  static Scan complete(std::size_t n, T v) { return {ScanStatus::Complete, n, std::move(v)}; }
  static Scan needMore() { return {ScanStatus::NeedMore, 0, {}}; }
  static Scan noMatch() { return {}; }
};

}  // namespace wall::sim

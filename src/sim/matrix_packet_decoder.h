#pragma once
// Reads matrix switch packets back out of bytes, for the families that carry
// the input and the outputs plainly: FF frame, BB frame, star text, letter
// text, list text, pair-list frame and QRV frame. The inverse of the
// engine's format families.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/link/script.h"
#include "core/matrix/matrix_kind.h"
#include "sim/scan_result.h"

namespace wall::sim {

enum class MatrixFamily { FFFrame, BBFrame, StarText, LetterText, ListText, PairList, QrvFrame };

std::string_view familyName(MatrixFamily family);

// One decoded switch: input `in` onto every output of `outputs`.
struct MatrixSwitch {
  MatrixFamily family = MatrixFamily::FFFrame;
  std::optional<int> id;            // the device address, where the family carries one
  std::optional<MatrixKind> kind;   // where the family names the kind (QRV)
  int in = 0;
  std::vector<int> outputs;
  Bytes bytes;
};

Scan<MatrixSwitch> scanMatrixPacket(std::span<const std::uint8_t> bytes);

// One line for the log: "FF frame id 1: in 3 -> out 5, 6".
std::string describe(const MatrixSwitch& s);

}  // namespace wall::sim

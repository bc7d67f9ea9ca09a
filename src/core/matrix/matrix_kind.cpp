#include "core/matrix/matrix_kind.h"

#include "core/link/script.h"

namespace wall {

std::string_view kindKey(MatrixKind kind) {
  switch (kind) {
    case MatrixKind::AV: return "AV";
    case MatrixKind::VGA: return "VGA";
    case MatrixKind::DVI: return "DVI";
    case MatrixKind::YPbPr: return "YUV";
  }
  return "AV";
}

std::string_view kindLabel(MatrixKind kind) {
  return kind == MatrixKind::YPbPr ? std::string_view("YPbPr") : kindKey(kind);
}

std::optional<MatrixKind> kindForSource(int sourceCode) {
  switch (sourceCode) {
    case 0:
    case 1: return MatrixKind::VGA;
    case 2:
    case 3:
    case 4:
    case 5:
    case 6: return MatrixKind::AV;
    case 8: return MatrixKind::YPbPr;
    case 10:
    case 11: return MatrixKind::DVI;
    default: return std::nullopt;
  }
}

int matrixDevice(MatrixKind kind, const PortFlags& flags) {
  constexpr int kSharedMatrixPort = 2;
  if (flags.matrixUseComOnly) return kSharedMatrixPort;
  switch (kind) {
    case MatrixKind::AV: return flags.avUseComOnly ? 2 : kWallDevice;
    case MatrixKind::VGA: return flags.vgaUseComOnly ? 3 : kWallDevice;
    case MatrixKind::DVI: return flags.dviUseComOnly ? 4 : kWallDevice;
    case MatrixKind::YPbPr: return flags.yuvUseComOnly ? 5 : kWallDevice;
  }
  return kWallDevice;
}

int entriesPerUnit(MatrixKind kind, bool kestrel) {
  if (!kestrel) return 1;
  if (kind == MatrixKind::AV) return 4;
  if (kind == MatrixKind::DVI) return 2;
  return 1;
}

}  // namespace wall

#pragma once
// The four kinds of matrix switcher the wall can be fed through, the wall
// sources that select them, where their packets go and how many table
// entries each wall unit has.

#include <array>
#include <optional>
#include <string_view>

#include "core/settings/port_settings.h"

namespace wall {

// Always in this order: the index is part of every table and key layout.
enum class MatrixKind { AV = 0, VGA = 1, DVI = 2, YPbPr = 3 };

inline constexpr std::array<MatrixKind, 4> kMatrixKinds = {MatrixKind::AV, MatrixKind::VGA, MatrixKind::DVI,
                                                           MatrixKind::YPbPr};

constexpr int kindIndex(MatrixKind kind) { return static_cast<int>(kind); }

// The kind as settings keys spell it: "AV", "VGA", "DVI", "YUV".
std::string_view kindKey(MatrixKind kind);
// The kind as the dialogs name it: "AV", "VGA", "DVI", "YPbPr".
std::string_view kindLabel(MatrixKind kind);

// Wall input sources (SourceCode 0..12) and the matrix kind that feeds
// them: 0-1 VGA, 2-6 AV, 8 YPbPr, 10-11 DVI; the others have none.
std::optional<MatrixKind> kindForSource(int sourceCode);

// The device a kind's packets go out on: the shared matrix port (2) when
// MatrixUseComOnly is set, else the kind's own port (AV 2, VGA 3, DVI 4,
// YPbPr 5) when its flag is set, else the wall port (1), unwrapped.
int matrixDevice(MatrixKind kind, const PortFlags& flags);

// Every kind keeps 1000 table entries (output map and current inputs).
inline constexpr int kMatrixEntries = 1000;

// The product type whose AV tables hold four entries per unit (channels
// AV1..AV4) and whose DVI tables hold two (DVI1, DVI2).
inline constexpr int kKestrelProduct = 10;

int entriesPerUnit(MatrixKind kind, bool kestrel);

}  // namespace wall

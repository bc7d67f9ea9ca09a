#pragma once
// The lists in which the operator picks a matrix input (the input-control
// dialog's and the pop-window panel's): each kind's InputMax names, and the
// stored choice restored into them.

#include <string>
#include <vector>

#include "core/matrix/matrix_kind.h"

namespace wall {

class SettingsFile;

// Entry i is Matrix / <K>_InputName i, by default the prefix and i + 1:
// "MatrixInput" when the language is not Chinese, else "矩阵输入" - followed
// by three blanks in the input-control dialog (`dialogBlanks`), without
// them in the pop-window lists. A count outside 0..1000 is held to it.
std::vector<std::string> matrixInputList(SettingsFile& file, MatrixKind kind, int inputMax, int language,
                                         bool dialogBlanks);

// The stored index of an input list when it is below the list's size,
// else entry 0 (-1 for an empty list).
int restoredInputIndex(int stored, int listSize);

// The stored index of a source list when the list holds it, else -1 (no
// selection).
int restoredSourceIndex(int stored, int listSize);

}  // namespace wall

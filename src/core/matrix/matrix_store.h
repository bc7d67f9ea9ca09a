#pragma once
// The Matrix section of Setting.ini: each kind's settings, the output
// connection diagram and the input names.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/matrix/matrix_state.h"

namespace wall {

class SettingsFile;

inline constexpr const char* kMatrixSection = "Matrix";

// "AV_Company", "AV_Type", "AV_ID", "Matrix_AV_InputMax",
// "Matrix_AV_DelayTime" (DVI and YPbPr have no Type key).
std::string companyKey(MatrixKind kind);
std::string typeKey(MatrixKind kind);
std::string idKey(MatrixKind kind);
std::string inputMaxKey(MatrixKind kind);
std::string delayTimeKey(MatrixKind kind);
// "Matrix_AV_OutputStr12".
std::string outputKey(MatrixKind kind, int entry);
// "YUV_InputName3": the name of input 4 of the YPbPr matrix.
std::string inputNameKey(MatrixKind kind, int index);

MatrixSettings readMatrixSettings(SettingsFile& file, MatrixKind kind);
// Writes the kind's keys in the order of the table: Company, Type (AV and
// VGA), ID, InputMax, DelayTime.
void writeMatrixSettings(SettingsFile& file, MatrixKind kind, const MatrixSettings& settings);

// The settings of every kind, the output maps of the wall's used entries
// (a missing key wires the entry to its unit's number, so that a fresh file
// is wired one to one), and every current input 1. Entries a
// Kestrel wall of more than 250 units would need beyond the 1000 of the AV
// table are not read.
MatrixState loadMatrixState(SettingsFile& file, const WallShape& wall);

// Integer keys of the Matrix section written in the given order, saved
// together (what "确  认" of the matrix settings writes).
void writeMatrixKeys(SettingsFile& file, const std::vector<std::pair<std::string, std::int32_t>>& writes);

// The default name of input index + 1: "矩阵输入" + number in Chinese
// (language 0), "MatrixInput" + number otherwise.
std::string defaultInputName(int index, int language);
// `count` names of a kind's inputs, with their defaults.
std::vector<std::string> readInputNames(SettingsFile& file, MatrixKind kind, int count, int language);
void writeInputName(SettingsFile& file, MatrixKind kind, int index, const std::string& name);

}  // namespace wall

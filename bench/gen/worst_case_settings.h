#pragma once
// A worst-case Setting.ini: the largest file the program can come to hold.
// A 30 x 30 wall with its unit colours and sources; 48 saved plans, each
// with every unit's source and every matrix kind's input per unit; four
// matrices of 1000 outputs and 1000 named inputs; 50 timer entries; 100 roll
// groups of 100 items; Chinese names throughout. Lines end in CRLF, as the
// earlier Windows program wrote them.

#include <string>

namespace wall::bench {

struct WorstCaseShape {
  int rows = 30;
  int cols = 30;
  int plans = 48;
  int matrixEntries = 1000;  // output map entries and input names per matrix kind
  int timers = 50;
  int rollGroups = 100;
  int rollItems = 100;
};

// The file's text, UTF-8 without a byte-order mark.
std::string worstCaseSettingsText(const WorstCaseShape& shape = {});

// The matrix kinds as the settings keys spell them.
inline constexpr const char* kMatrixKinds[] = {"AV", "VGA", "DVI", "YUV"};

}  // namespace wall::bench

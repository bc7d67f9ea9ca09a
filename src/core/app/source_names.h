#pragma once
// The input-source names shown in the wall grid, by product type and source
// number, and the grid label built from them.

#include <string>

namespace wall {

inline constexpr int kSourceCount = 13;     // sources 0 to 12
inline constexpr int kNoSource = 12;        // "no source": always an empty name
inline constexpr int kProductTypeCount = 14;

// The name of `source` on `productType`. The settings file is not checked
// against the table's ranges, so a product type outside 0–13 or a source
// outside 0–12 yields the source's number in decimal: the operator sees
// what the file holds instead of a wrong name.
std::string sourceName(int productType, int source);

// "r:c" + two blanks + name, with row and column counted from 1.
std::string unitLabel(int row, int column, const std::string& name);

// The grid's hint for a unit: "r:c" counted from 1.
std::string unitHint(int row, int column);

}  // namespace wall

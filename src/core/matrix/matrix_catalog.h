#pragma once
// The brand and model lists of the matrix settings. The index of an entry is
// what the settings file stores, so the order of every list is part of the
// file's format: never reorder or insert, only append.

#include <optional>
#include <span>
#include <string_view>

#include "core/matrix/matrix_kind.h"

namespace wall {

// Brand names of a kind, index 0 being "NotUsed" (no matrix of that kind).
std::span<const std::string_view> brandNames(MatrixKind kind);
// The name of a brand, or an empty view for an index outside the list.
std::string_view brandName(MatrixKind kind, int company);

// Model names: AV and VGA only (DVI and YPbPr have no model list).
std::span<const std::string_view> modelNames(MatrixKind kind);

// Brands whose rules the dialog and the engine name.
inline constexpr int kNotUsed = 0;
inline constexpr int kAvAb8To4 = 3;
inline constexpr int kAvTriolion = 11;
inline constexpr int kVgaTriolion = 9;
inline constexpr int kAvPanasonic = 88;

// "ITRON2" takes letter addresses ("*", "A".."Z"): AV 94, VGA 77, DVI 30.
// YPbPr has no such brand.
bool isItron2(MatrixKind kind, int company);

// The input count a model implies for the brands that take it from the
// model (AV "TRIOLION", VGA "TRIOLION"); nothing for a model outside the
// list.
std::optional<int> triolionInputMax(MatrixKind kind, int model);

// "AB8TO4" (AV 3) always has 8 inputs.
inline constexpr int kAb8To4Inputs = 8;

}  // namespace wall

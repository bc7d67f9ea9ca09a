#pragma once
// The brand tables, one per kind, each in its own file (brands_vga.cpp,
// brands_dvi_ypbpr.cpp, brands_av.cpp): rows of brand index → format. A
// brand index without a row sends nothing.

#include <span>

#include "core/matrix/brand_format.h"
#include "core/matrix/matrix_kind.h"

namespace wall {

std::span<const BrandRow> avBrandRows();
std::span<const BrandRow> vgaBrandRows();
std::span<const BrandRow> dviBrandRows();
std::span<const BrandRow> ypbprBrandRows();

std::span<const BrandRow> brandRows(MatrixKind kind);

// The row of a brand, or null when the kind's table has none (NotUsed, an
// index outside the list, a brand without a format).
const BrandRow* findBrandRow(MatrixKind kind, int company);

}  // namespace wall

#include "core/matrix/brand_tables.h"

#include <array>
#include <vector>

#include "core/matrix/matrix_catalog.h"

namespace wall {

namespace {

// Rows by brand index, built once per kind.
std::vector<const BrandRow*> indexRows(MatrixKind kind) {
  std::vector<const BrandRow*> byIndex(brandNames(kind).size(), nullptr);
  for (const BrandRow& row : brandRows(kind)) {
    if (row.index > 0 && static_cast<std::size_t>(row.index) < byIndex.size()) {
      byIndex[static_cast<std::size_t>(row.index)] = &row;
    }
  }
  return byIndex;
}

}  // namespace

std::span<const BrandRow> brandRows(MatrixKind kind) {
  switch (kind) {
    case MatrixKind::AV: return avBrandRows();
    case MatrixKind::VGA: return vgaBrandRows();
    case MatrixKind::DVI: return dviBrandRows();
    case MatrixKind::YPbPr: return ypbprBrandRows();
  }
  return {};
}

const BrandRow* findBrandRow(MatrixKind kind, int company) {
  static const std::array<std::vector<const BrandRow*>, 4> kIndex = {
      indexRows(MatrixKind::AV), indexRows(MatrixKind::VGA), indexRows(MatrixKind::DVI),
      indexRows(MatrixKind::YPbPr)};
  const auto& rows = kIndex[static_cast<std::size_t>(kindIndex(kind))];
  if (company <= 0 || static_cast<std::size_t>(company) >= rows.size()) return nullptr;
  return rows[static_cast<std::size_t>(company)];
}

}  // namespace wall

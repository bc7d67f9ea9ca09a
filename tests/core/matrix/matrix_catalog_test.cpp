// The brand and model lists are part of the settings file's format, and
// every brand row must sit at its list index under its list name.
#include "core/matrix/matrix_catalog.h"

#include <gtest/gtest.h>

#include "core/matrix/brand_tables.h"

namespace wall {
namespace {

TEST(MatrixCatalog, ListSizesAndLandmarks) {
  EXPECT_EQ(brandNames(MatrixKind::AV).size(), 119u);
  EXPECT_EQ(brandNames(MatrixKind::VGA).size(), 103u);
  EXPECT_EQ(brandNames(MatrixKind::DVI).size(), 55u);
  EXPECT_EQ(brandNames(MatrixKind::YPbPr).size(), 4u);
  EXPECT_EQ(modelNames(MatrixKind::AV).size(), 15u);
  EXPECT_EQ(modelNames(MatrixKind::VGA).size(), 17u);
  EXPECT_TRUE(modelNames(MatrixKind::DVI).empty());

  for (MatrixKind kind : kMatrixKinds) EXPECT_EQ(brandName(kind, 0), "NotUsed");
  EXPECT_EQ(brandName(MatrixKind::AV, 88), "Panasonic");
  EXPECT_EQ(brandName(MatrixKind::AV, 118), "CREATEK6");
  EXPECT_EQ(brandName(MatrixKind::VGA, 102), "SMTH8");
  EXPECT_EQ(brandName(MatrixKind::DVI, 54), "HDMXs");
  EXPECT_EQ(brandName(MatrixKind::YPbPr, 3), "AC002_VR");
  EXPECT_EQ(brandName(MatrixKind::VGA, 103), "");
  EXPECT_EQ(brandName(MatrixKind::VGA, -1), "");
  EXPECT_EQ(modelNames(MatrixKind::VGA)[2], "8X2F2");
  EXPECT_EQ(modelNames(MatrixKind::AV)[14], "128X128");
}

TEST(MatrixCatalog, Itron2ByKind) {
  EXPECT_TRUE(isItron2(MatrixKind::AV, 94));
  EXPECT_TRUE(isItron2(MatrixKind::VGA, 77));
  EXPECT_TRUE(isItron2(MatrixKind::DVI, 30));
  EXPECT_FALSE(isItron2(MatrixKind::VGA, 94));
  EXPECT_EQ(brandName(MatrixKind::AV, 94), "ITRON2");
  EXPECT_EQ(brandName(MatrixKind::VGA, 77), "ITRON2");
  EXPECT_EQ(brandName(MatrixKind::DVI, 30), "ITRON2");
}

TEST(MatrixCatalog, TriolionInputsByModel) {
  EXPECT_EQ(triolionInputMax(MatrixKind::AV, 6), 24);  // "24X16"
  EXPECT_EQ(triolionInputMax(MatrixKind::AV, 0), 4);
  EXPECT_EQ(triolionInputMax(MatrixKind::AV, 14), 128);
  EXPECT_EQ(triolionInputMax(MatrixKind::VGA, 2), 8);  // "8X2F2"
  EXPECT_EQ(triolionInputMax(MatrixKind::VGA, 0), 5);
  EXPECT_EQ(triolionInputMax(MatrixKind::VGA, 1), 4);
  EXPECT_EQ(triolionInputMax(MatrixKind::VGA, 16), 128);
  EXPECT_FALSE(triolionInputMax(MatrixKind::VGA, 17).has_value());
  EXPECT_FALSE(triolionInputMax(MatrixKind::AV, -1).has_value());
  EXPECT_FALSE(triolionInputMax(MatrixKind::DVI, 0).has_value());
}

TEST(BrandTables, EveryRowSitsAtItsListIndexUnderItsListName) {
  for (MatrixKind kind : kMatrixKinds) {
    for (const BrandRow& row : brandRows(kind)) {
      EXPECT_EQ(row.name, brandName(kind, row.index)) << kindLabel(kind) << " " << row.index;
      EXPECT_EQ(findBrandRow(kind, row.index), &row);
    }
  }
}

TEST(BrandTables, EveryVgaDviAndYpbprBrandHasARow) {
  for (MatrixKind kind : {MatrixKind::VGA, MatrixKind::DVI, MatrixKind::YPbPr}) {
    EXPECT_EQ(brandRows(kind).size(), brandNames(kind).size() - 1) << kindLabel(kind);
    for (int company = 1; company < static_cast<int>(brandNames(kind).size()); ++company) {
      EXPECT_NE(findBrandRow(kind, company), nullptr) << kindLabel(kind) << " " << company;
    }
    EXPECT_EQ(findBrandRow(kind, 0), nullptr);
    EXPECT_EQ(findBrandRow(kind, static_cast<int>(brandNames(kind).size())), nullptr);
  }
}

}  // namespace
}  // namespace wall

#include "core/app/window_layout.h"

#include <gtest/gtest.h>

namespace wall {
namespace {

TEST(FormCanResize, DesignSizeGivesTheDesignGrid) {
  const WindowLayout l = formCanResize({856, 611, 3, 3, 200, 150, 130});
  EXPECT_EQ(l.gridWidth, 766);
  EXPECT_EQ(l.gridHeight, 339);
  EXPECT_EQ(l.cellWidth, 254);
  EXPECT_EQ(l.cellHeight, 111);
  EXPECT_EQ(l.pageControlTop, 611 - 200 - 32);
  EXPECT_EQ(l.pageControlWidth, 680);
  EXPECT_EQ(l.imageTop, 611 - 130 - 32);
  EXPECT_EQ(l.imageLeft, 856 - 150 - 20);
  EXPECT_EQ(l.stretchedPanelWidth, 106);
}

TEST(FormCanResize, LargeWallAndDegenerateInputs) {
  const WindowLayout big = formCanResize({1920, 1080, 30, 30, 0, 0, 0});
  EXPECT_EQ(big.cellWidth, (1830 - 31) / 30);
  EXPECT_EQ(big.cellHeight, (808 - 31) / 30);
  const WindowLayout empty = formCanResize({856, 611, 0, 0, 0, 0, 0});
  EXPECT_EQ(empty.cellWidth, 0);
  EXPECT_EQ(empty.cellHeight, 0);
  const WindowLayout tiny = formCanResize({50, 100, 3, 3, 0, 0, 0});
  EXPECT_EQ(tiny.gridWidth, 0);
  EXPECT_EQ(tiny.gridHeight, 0);
  EXPECT_EQ(tiny.cellWidth, 0);
  EXPECT_EQ(tiny.stretchedPanelWidth, 0);
}

}  // namespace
}  // namespace wall

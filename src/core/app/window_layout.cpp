#include "core/app/window_layout.h"

#include <algorithm>

namespace wall {

namespace {
int cellSize(int total, int count) {
  if (count <= 0) return 0;
  return std::max(0, (total - count - 1) / count);
}
}  // namespace

WindowLayout formCanResize(const LayoutInputs& in) {
  WindowLayout l;
  l.gridHeight = std::max(0, in.windowHeight - 272);
  l.gridWidth = std::max(0, in.windowWidth - 90);
  l.pageControlTop = in.windowHeight - in.pageControlHeight - 32;
  l.pageControlWidth = std::max(0, in.windowWidth - 176);
  l.imageTop = in.windowHeight - in.imageHeight - 32;
  l.imageLeft = in.windowWidth - in.imageWidth - 20;
  l.cellHeight = cellSize(l.gridHeight, in.rows);
  l.cellWidth = cellSize(l.gridWidth, in.columns);
  int others = 0;
  for (std::size_t i = 0; i < kStatusPanelWidths.size(); ++i) {
    if (i != kStretchedStatusPanel) others += kStatusPanelWidths[i];
  }
  l.stretchedPanelWidth = std::max(0, in.windowWidth - others);
  return l;
}

}  // namespace wall

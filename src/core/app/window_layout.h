#pragma once
// The main window's layout rule (FormCanResize): the wall grid and its
// cells take their sizes from the window's size, so that the operator sees
// the whole wall at once whatever the window's size.

#include <array>

namespace wall {

// Widths of the six status-bar panels as designed; panel 4 stretches.
inline constexpr std::array<int, 6> kStatusPanelWidths = {100, 100, 120, 130, 300, 300};
inline constexpr int kStretchedStatusPanel = 4;

// The window's size at start.
inline constexpr int kMainWindowWidth = 856;
inline constexpr int kMainWindowHeight = 611;

struct WindowLayout {
  int gridWidth = 0;
  int gridHeight = 0;
  int cellWidth = 0;   // default column width of the grid
  int cellHeight = 0;  // default row height of the grid
  int pageControlTop = 0;
  int pageControlWidth = 0;
  int imageTop = 0;
  int imageLeft = 0;
  int stretchedPanelWidth = 0;  // status-bar panel 4
};

struct LayoutInputs {
  int windowWidth = kMainWindowWidth;
  int windowHeight = kMainWindowHeight;
  int rows = 3;
  int columns = 3;
  int pageControlHeight = 0;
  int imageWidth = 0;
  int imageHeight = 0;
};

// Never divides by zero and never yields a negative size: a wall read as
// 0 × 0 or a window smaller than the fixed parts keeps sizes of 0.
WindowLayout formCanResize(const LayoutInputs& in);

}  // namespace wall

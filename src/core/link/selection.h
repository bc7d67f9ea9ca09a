#pragma once
// The rectangle of units selected in the wall grid, counted from 0 (row 0 at
// the top, column 0 at the left). A single unit has top == bottom and
// left == right.

namespace wall {

struct Selection {
  int top = 0;
  int left = 0;
  int bottom = 0;
  int right = 0;

  static Selection unit(int row, int column) { return {row, column, row, column}; }

  bool operator==(const Selection&) const = default;

  int rows() const { return bottom - top + 1; }
  int columns() const { return right - left + 1; }

  // True when the rectangle is well formed (no negative index, bottom not
  // above top, right not left of left) and lies within a wall of
  // `wallRows` × `wallColumns` units.
  bool fitsWall(int wallRows, int wallColumns) const {
    return top >= 0 && left >= 0 && bottom >= top && right >= left && bottom < wallRows &&
           right < wallColumns;
  }
};

}  // namespace wall

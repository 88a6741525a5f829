#pragma once
// The level view's zoom: fixed steps given in percent of the sprites' own
// size, and the scroll position that keeps one point of the level under
// the pointer while the cells grow or shrink.
#include <array>

namespace pyrovel {

inline constexpr std::array<int, 10> kZoomPercents{25, 50, 75, 100, 150, 200, 300, 400, 600, 800};

// Pixels per cell at a zoom step (100 % shows sprites at their 32 pixels).
int cellSizeAtPercent(int percent);
// The zoom of a cell size in percent, rounded.
int percentOfCellSize(int cellSize);

// The cell size of the next step up (+1) or down (-1) from `cellSize`,
// which need not be a step itself (a fitted view). At the last step the
// size stays.
int nextZoomCellSize(int cellSize, int direction);

// Where a scroll bar goes so that the level point shown `anchor` pixels
// into the visible part stays there when the cells change from `oldCell`
// to `newCell` pixels. Never negative.
int scrollKeepingPoint(int scroll, int anchor, int oldCell, int newCell);

}  // namespace pyrovel

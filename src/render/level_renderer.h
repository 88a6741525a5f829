#pragma once
// Drawing a level: the square cell size that fits a level into a view, the
// pixel rectangle of a cell, and the full redraw from the sprite strip.
#include <optional>

#include "model/levelmap.h"
#include "render/pixel_buffer.h"
#include "render/sprite_strip.h"

namespace pyrovel {

// Pixels per cell: view width div level width and view height div level
// height, the smaller of the two; 0 when the view is too small (or a level
// side is not positive).
int computeCellSize(int viewWidth, int viewHeight, int levelWidth, int levelHeight);

struct CellRect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
};
CellRect cellRect(int x, int y, int cellSize);

// A rectangle of the view in pixels, right and bottom exclusive.
struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// Passed as the layer: the background at half brightness with the game
// layer's objects over it (its Empty Space lets the background show).
inline constexpr int kBothLayers = 2;

// Redraws layer `layer` of level `slot` into `out`: black everywhere, then
// each cell (x < Width, y < Height) holding an object n with 0 < n < N
// gets n's sprite scaled to cellSize. With `clip` only that part of `out`
// is touched, and it ends up as a full redraw would leave it. Never writes
// outside `out`.
void drawLevel(const Levelmap& map, int slot, int layer, const SpriteStrip& strip, int cellSize,
               PixelBuffer& out, std::optional<PixelRect> clip = std::nullopt);

// The same drawing into a buffer that holds only part of the view: its pixel
// (0, 0) is view pixel (left, top). How a picture is made band by band and
// how the editor repaints an exposed rectangle.
void drawLevelPart(const Levelmap& map, int slot, int layer, const SpriteStrip& strip, int cellSize,
                   PixelBuffer& out, int left, int top);
// The same into pixels held elsewhere (the editor's window back buffer),
// sparing a copy; `out` must be valid for its width, height and stride.
void drawLevelPart(const Levelmap& map, int slot, int layer, const SpriteStrip& strip, int cellSize,
                   const PixelView& out, int left, int top);

// Draws one cell as the drawing tools do: the object's sprite scaled to
// cellSize with its top-left corner at (left, top), or black when the
// object is not drawable. Clipped to `out`.
void drawCell(const SpriteStrip& strip, int object, int cellSize, PixelBuffer& out, int left,
              int top);

}  // namespace pyrovel

#include "render/level_picture.h"

#include <algorithm>
#include <memory>

#include "render/level_renderer.h"

namespace pyrovel {

PngRows levelPictureRows(const Levelmap& map, int slot, int layer, const SpriteStrip& strip,
                         int cellSize) {
  const LevelHeader& h = map.header(slot);
  const int side = std::max(cellSize, 0);
  PngRows rows;
  rows.width = std::clamp(h.width(), 0, kMaxLevelSide) * side;
  rows.height = std::clamp(h.height(), 0, kMaxLevelSide) * side;
  // Empty cells and the area beyond the level are opaque black.
  rows.opaque = strip.opaque();
  // One row of cells; drawn again when the encoder asks past its last pixel row.
  auto band = std::make_shared<PixelBuffer>(rows.width, side);
  auto bandTop = std::make_shared<int>(-1);
  rows.row = [&map, &strip, slot, layer, side, band, bandTop](int y) {
    const int top = y / side * side;
    if (top != *bandTop) {
      drawLevelPart(map, slot, layer, strip, side, *band, 0, top);
      *bandTop = top;
    }
    return band->row(y - top);
  };
  return rows;
}

}  // namespace pyrovel

#include "app/level_paint.h"

#include <algorithm>

#include "render/level_renderer.h"

namespace pyrovel::app {

PixelBuffer drawLevelArea(const Levelmap& map, int slot, int layer, const SpriteStrip& strip,
                          int cellSize, const QRect& area) {
  PixelBuffer out(std::max(0, area.width()), std::max(0, area.height()));
  if (cellSize <= 0 || area.isEmpty() || slot < 0 || slot >= kSlotCount) return out;
  const LevelHeader& h = map.header(slot);
  const int width = std::min(h.width(), kMaxLevelSide);
  const int height = std::min(h.height(), kMaxLevelSide);
  const int x0 = std::max(0, area.left() / cellSize);
  const int y0 = std::max(0, area.top() / cellSize);
  const int x1 = std::min(width, area.right() / cellSize + 1);
  const int y1 = std::min(height, area.bottom() / cellSize + 1);
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const int n = map.cell(layer, slot, x, y);
      if (strip.drawable(n)) {
        drawCell(strip, n, cellSize, out, x * cellSize - area.left(), y * cellSize - area.top());
      }
    }
  }
  return out;
}

QImage imageOf(const PixelBuffer& buffer) {
  return QImage(reinterpret_cast<const uchar*>(buffer.pixels.data()), buffer.width, buffer.height,
                buffer.width * 4, QImage::Format_ARGB32);
}

QPixmap spritePixmap(const SpriteStrip& strip, int object, int side) {
  PixelBuffer out(side, side);
  if (strip.drawable(object)) drawCell(strip, object, side, out, 0, 0);
  // The image only borrows the buffer's pixels, and a pixmap made from it
  // may keep sharing them: copy before the buffer goes.
  return QPixmap::fromImage(imageOf(out).copy());
}

}  // namespace pyrovel::app

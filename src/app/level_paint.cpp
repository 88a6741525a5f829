#include "app/level_paint.h"

#include <algorithm>

#include "render/level_renderer.h"

namespace pyrovel::app {

void drawLevelArea(const Levelmap& map, int slot, int layer, const SpriteStrip& strip, int cellSize,
                   const QRect& area, PixelBuffer& out) {
  const int width = std::max(0, area.width()), height = std::max(0, area.height());
  // Every pixel is drawn below: the buffer's old pixels need no clearing.
  out.width = width;
  out.height = height;
  out.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  if (width > 0 && height > 0)
    drawLevelPart(map, slot, layer, strip, cellSize, out, area.left(), area.top());
}

PixelBuffer drawLevelArea(const Levelmap& map, int slot, int layer, const SpriteStrip& strip,
                          int cellSize, const QRect& area) {
  PixelBuffer out;
  drawLevelArea(map, slot, layer, strip, cellSize, area, out);
  return out;
}

QImage imageOf(const PixelBuffer& buffer, bool opaque) {
  // An opaque picture is copied onto the screen rather than blended.
  return QImage(reinterpret_cast<const uchar*>(buffer.pixels.data()), buffer.width, buffer.height,
                buffer.width * 4, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
}

QPixmap spritePixmap(const SpriteStrip& strip, int object, int side) {
  PixelBuffer out(side, side);
  if (strip.drawable(object)) drawCell(strip, object, side, out, 0, 0);
  // The image only borrows the buffer's pixels, and a pixmap made from it
  // may keep sharing them: copy before the buffer goes.
  return QPixmap::fromImage(imageOf(out).copy());
}

QImage spriteImage(const SpriteStrip& strip, int object, int side) {
  if (!strip.drawable(object) || side <= 0) return {};
  return QImage(reinterpret_cast<const uchar*>(strip.scaledSprite(object, side)), side, side,
                side * 4, strip.opaque() ? QImage::Format_RGB32 : QImage::Format_ARGB32);
}

}  // namespace pyrovel::app

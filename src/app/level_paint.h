#pragma once
// The bridge between the core's pixel buffers and Qt painting: a part of a
// level drawn from the sprite strip, and single sprites for the palette, the
// drawing-object preview and the object lists.
#include <QImage>
#include <QPixmap>
#include <QRect>

#include "model/levelmap.h"
#include "render/pixel_buffer.h"
#include "render/sprite_strip.h"

namespace pyrovel::app {

// The area `area` (view pixels) of the view showing `layer` of `slot` at
// `cellSize`: exactly the pixels a full redraw of the view leaves there, cell
// (x, y) at (x * cellSize, y * cellSize). Costs only the cells it meets, so
// a level zoomed far in needs no view-sized buffer.
PixelBuffer drawLevelArea(const Levelmap& map, int slot, int layer, const SpriteStrip& strip,
                          int cellSize, const QRect& area);
// The same into `out`, whose memory is reused: a view repainting areas of
// the same size allocates nothing.
void drawLevelArea(const Levelmap& map, int slot, int layer, const SpriteStrip& strip, int cellSize,
                   const QRect& area, PixelBuffer& out);

// A QImage over the buffer's pixels (no copy: the buffer must outlive it);
// `opaque` when every alpha is 255 (drawn from a strip that is opaque).
QImage imageOf(const PixelBuffer& buffer, bool opaque = false);

// Object n's sprite at side x side pixels; a black square when it is not
// drawable (object 0 and objects beyond the strip).
QPixmap spritePixmap(const SpriteStrip& strip, int object, int side);
// The same sprite as an image over the strip's own scaled pixels, for
// painting at once: nothing is copied, so it is valid only until the strip
// changes or scales to other sizes. A null image when the object is not
// drawable.
QImage spriteImage(const SpriteStrip& strip, int object, int side);

}  // namespace pyrovel::app

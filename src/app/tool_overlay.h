#pragma once
// What the drawing tools show over the level view: the rubber band while it
// is dragged, the cells a line will draw, and the floating selection (the clipboard's cells at the
// current zoom, with an outline). Painted on top of the level, so moving
// either leaves nothing behind once the area under it is painted again.
#include <QPainter>
#include <QRegion>

#include "editor/tool_controller.h"
#include "render/pixel_buffer.h"
#include "render/sprite_strip.h"

namespace pyrovel::app {

// The view pixels the overlay covers now: the band's frame, the previewed
// cells and the selection's rectangle. A change repaints these and the ones of before.
QRegion toolOverlayRegion(const ToolController& tools, int cellSize, const QRect& viewRect);

// Paints the overlay's part inside `area` (view pixels): the cells (the
// floating selection's, the faded preview) or, `frames`, what is drawn over
// the grid (their frames and the rubber band).
void paintToolOverlay(QPainter& p, const ToolController& tools, const SpriteStrip& strip,
                      int cellSize, const QRect& area, const QRect& viewRect, bool frames);

// The clipboard's cells that fall into `area`, drawn at `cellSize` with the
// floating selection's top-left at `origin` (view pixels); black where no
// sprite is drawn. Only the area is allocated, however far the view is zoomed.
PixelBuffer drawClipboardArea(const SelectionClipboard& clipboard, const SpriteStrip& strip,
                              int cellSize, QPoint origin, const QRect& area);

}  // namespace pyrovel::app

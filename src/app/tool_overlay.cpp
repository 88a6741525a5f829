#include "app/tool_overlay.h"

#include <algorithm>

#include "app/level_paint.h"
#include "render/level_renderer.h"

namespace pyrovel::app {

namespace {

// A frame drawn as black with white dashes shows on any sprite.
const QColor kBandDash(Qt::white);
const QColor kSelectionEdge(0xff, 0xd8, 0x40);

QRect toQRect(const ViewRect& r) {
  return QRect(r.left, r.top, r.width(), r.height());
}

// The band's frame, kept inside the view: an area that starts in column or
// row 0 has its first edge outside the view otherwise.
std::optional<QRect> bandFrame(const ToolController& tools, const QRect& viewRect) {
  const auto band = tools.rubberBand();
  if (!band) return std::nullopt;
  const QRect frame = toQRect(*band) & viewRect;
  if (frame.isEmpty()) return std::nullopt;
  return frame;
}

std::optional<QRect> selectionRect(const ToolController& tools, int cellSize) {
  const SelectionClipboard& clip = tools.clipboard();
  if (!clip.visible() || cellSize <= 0 || clip.width() <= 0 || clip.height() <= 0)
    return std::nullopt;
  return toQRect(clip.rect(cellSize));
}

QRegion edges(const QRect& r) {
  QRegion region;
  region += QRect(r.left(), r.top(), r.width(), 1);
  region += QRect(r.left(), r.bottom(), r.width(), 1);
  region += QRect(r.left(), r.top(), 1, r.height());
  region += QRect(r.right(), r.top(), 1, r.height());
  return region;
}

void dashedFrame(QPainter& p, const QRect& r, const QColor& dash) {
  // QPainter draws a one-pixel frame one pixel wider and higher than the rectangle.
  const QRect outline = r.adjusted(0, 0, -1, -1);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::black, 0));
  p.drawRect(outline);
  QPen dashed(dash, 0, Qt::CustomDashLine);
  dashed.setDashPattern({3, 3});
  p.setPen(dashed);
  p.drawRect(outline);
}

// The floating selection lies on top of the level: a two-pixel frame, light
// outside and dark inside, sets it apart from the cells around it.
void selectionFrame(QPainter& p, const QRect& r) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kSelectionEdge, 0));
  p.drawRect(r.adjusted(0, 0, -1, -1));
  p.setPen(QPen(Qt::black, 0));
  p.drawRect(r.adjusted(1, 1, -2, -2));
}

std::optional<QRect> previewAreaRect(const ToolController& tools, int cellSize) {
  const std::optional<CellArea> a = tools.previewArea();
  if (!a || cellSize <= 0) return std::nullopt;
  return QRect(a->c1 * cellSize, a->r1 * cellSize, a->width() * cellSize, a->height() * cellSize);
}

// The cells a line or a rectangle will cover, in view pixels.
QRegion previewRegion(const ToolController& tools, int cellSize, const QRect& viewRect) {
  QRegion region;
  if (cellSize <= 0) return region;
  for (const CellPos& c : tools.previewCells()) {
    region += QRect(c.x * cellSize, c.y * cellSize, cellSize, cellSize) & viewRect;
  }
  if (const auto filled = previewAreaRect(tools, cellSize)) region += *filled & viewRect;
  return region;
}

constexpr double kPreviewOpacity = 0.65;

// The drawing object, faded, where the tool will draw it: single cells, and
// a whole area tiled with it in one fill.
void paintPreview(QPainter& p, const ToolController& tools, const SpriteStrip& strip, int cellSize,
                  const QRect& area) {
  const std::vector<CellPos> cells = tools.previewCells();
  const auto filled = previewAreaRect(tools, cellSize);
  if ((cells.empty() && !filled) || cellSize <= 0) return;
  const QPixmap sprite = spritePixmap(strip, tools.context().session().drawingObject, cellSize);
  p.save();
  p.setOpacity(kPreviewOpacity);
  for (const CellPos& c : cells) {
    const QRect r(c.x * cellSize, c.y * cellSize, cellSize, cellSize);
    if (r.intersects(area)) p.drawPixmap(r.topLeft(), sprite);
  }
  if (filled) {
    // The tiles start at the view's corner, as the cells do.
    p.setBrushOrigin(0, 0);
    p.fillRect(*filled & area, QBrush(sprite));
  }
  p.restore();
}

// Each previewed single cell framed, so that even Empty Space shows.
void framePreview(QPainter& p, const ToolController& tools, int cellSize, const QRect& area) {
  if (cellSize <= 0) return;
  p.setPen(QPen(kBandDash, 0));
  p.setBrush(Qt::NoBrush);
  for (const CellPos& c : tools.previewCells()) {
    const QRect r(c.x * cellSize, c.y * cellSize, cellSize, cellSize);
    if (r.intersects(area)) p.drawRect(r.adjusted(0, 0, -1, -1));
  }
}

}  // namespace

PixelBuffer drawClipboardArea(const SelectionClipboard& clipboard, const SpriteStrip& strip,
                              int cellSize, QPoint origin, const QRect& area) {
  PixelBuffer out(std::max(0, area.width()), std::max(0, area.height()));
  if (cellSize <= 0 || area.isEmpty()) return out;
  const QRect cells(origin, QSize(clipboard.width() * cellSize, clipboard.height() * cellSize));
  const QRect inside = cells & area;
  if (inside.isEmpty()) return out;
  const int i0 = (inside.left() - origin.x()) / cellSize;
  const int j0 = (inside.top() - origin.y()) / cellSize;
  const int i1 = (inside.right() - origin.x()) / cellSize;
  const int j1 = (inside.bottom() - origin.y()) / cellSize;
  for (int i = i0; i <= i1; ++i) {
    for (int j = j0; j <= j1; ++j) {
      const int n = clipboard.cell(i, j);
      if (!strip.drawable(n)) continue;
      drawCell(strip, n, cellSize, out, origin.x() + i * cellSize - area.left(),
               origin.y() + j * cellSize - area.top());
    }
  }
  return out;
}

QRegion toolOverlayRegion(const ToolController& tools, int cellSize, const QRect& viewRect) {
  QRegion region;
  if (const auto frame = bandFrame(tools, viewRect)) region += edges(*frame);
  if (const auto sel = selectionRect(tools, cellSize)) region += *sel;
  region += previewRegion(tools, cellSize, viewRect);
  return region;
}

void paintToolOverlay(QPainter& p, const ToolController& tools, const SpriteStrip& strip,
                      int cellSize, const QRect& area, const QRect& viewRect, bool frames) {
  const auto sel = selectionRect(tools, cellSize);
  const bool selectionShown = sel && sel->intersects(area);
  if (!frames) {
    if (selectionShown) {
      const QRect part = *sel & area;
      const PixelBuffer pixels =
          drawClipboardArea(tools.clipboard(), strip, cellSize, sel->topLeft(), part);
      p.drawImage(part.topLeft(), imageOf(pixels));
    }
    paintPreview(p, tools, strip, cellSize, area);
    return;
  }
  if (selectionShown) selectionFrame(p, *sel);
  framePreview(p, tools, cellSize, area);
  if (const auto frame = bandFrame(tools, viewRect)) dashedFrame(p, *frame, kBandDash);
}

}  // namespace pyrovel::app

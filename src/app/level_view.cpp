#include "app/level_view.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "app/level_paint.h"
#include "render/level_renderer.h"
#include "render/view_zoom.h"

namespace pyrovel::app {

namespace {
// Beyond this a view side is not doubled any more: the scroll bars and the
// cell arithmetic stay well inside int.
constexpr int kMaxViewSide = 1 << 20;
// The part of the view beyond the level, told apart from Empty Space.
const QColor kOutsideLevel(0x1c, 0x1f, 0x26);
}  // namespace

std::optional<MouseButton> toCoreButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return MouseButton::Left;
    case Qt::RightButton:
      return MouseButton::Right;
    case Qt::MiddleButton:
      return MouseButton::Middle;
    default:
      return std::nullopt;
  }
}

unsigned heldState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  unsigned held = 0;
  if (buttons & Qt::LeftButton) held |= kHeldLeft;
  if (buttons & Qt::RightButton) held |= kHeldRight;
  if (buttons & Qt::MiddleButton) held |= kHeldMiddle;
  if (modifiers & Qt::ShiftModifier) held |= kHeldShift;
  if (modifiers & Qt::ControlModifier) held |= kHeldCtrl;
  if (modifiers & Qt::AltModifier) held |= kHeldAlt;
  return held;
}

LevelView::LevelView(QWidget* parent) : QWidget(parent) {
  setObjectName("levelView");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::ClickFocus);
}

void LevelView::setSource(const Levelmap* map, const SpriteStrip* strip) {
  map_ = map;
  strip_ = strip;
  computeCellSize();
}

void LevelView::setFixedSlot(int slot) {
  fixedSlot_ = slot;
  computeCellSize();
}

int LevelView::slot() const {
  return fixedSlot_ > 0 ? fixedSlot_ : (map_ ? map_->currentLevel : 1);
}
int LevelView::layer() const {
  const int edited = map_ ? map_->currentLayer : kGameLayer;
  return bothLayers_ && edited == kGameLayer ? kBothLayers : edited;
}

QSize LevelView::levelCells() const {
  if (!map_) return {};
  const LevelHeader& h = map_->header(slot());
  return {std::clamp(h.width(), 0, kMaxLevelSide), std::clamp(h.height(), 0, kMaxLevelSide)};
}

void LevelView::setGridShown(bool shown) {
  grid_ = shown;
  update();
}

void LevelView::setBothLayersShown(bool shown) {
  bothLayers_ = shown;
  update();
}

void LevelView::setHighlights(std::vector<QPoint> cells, QPoint current) {
  // Most refreshes have nothing to frame: no repaint for them.
  if (cells.empty() && highlights_.empty() && current == currentHighlight_) return;
  highlights_ = std::move(cells);
  currentHighlight_ = current;
  update();
}

int gridAlpha(int cellSize) {
  // Small cells get faint lines: a line every few pixels would cover the level.
  constexpr int kFaint = 40, kFull = 150, kFullFrom = 16;
  if (cellSize >= kFullFrom) return kFull;
  return kFaint + (std::max(cellSize, kMinGridCell) - kMinGridCell) * (kFull - kFaint) /
                      (kFullFrom - kMinGridCell);
}

void LevelView::paintGrid(QPainter& p, const QRect& area, const QRect& level) const {
  // Too dense to help below a few pixels a cell.
  if (!grid_ || cellSize_ < kMinGridCell) return;
  const QRect part = area & level;
  if (part.isEmpty()) return;
  // All lines in one call: one pen, no state changes per cell.
  QVector<QLine> lines;
  for (int x = (part.left() / cellSize_ + 1) * cellSize_; x <= part.right(); x += cellSize_)
    lines.append(QLine(x, part.top(), x, part.bottom()));
  for (int y = (part.top() / cellSize_ + 1) * cellSize_; y <= part.bottom(); y += cellSize_)
    lines.append(QLine(part.left(), y, part.right(), y));
  p.setPen(QColor(110, 120, 140, gridAlpha(cellSize_)));
  p.drawLines(lines);
}

void LevelView::paintHighlights(QPainter& p) const {
  if (highlights_.empty() || cellSize_ <= 0) return;
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 220, 0), std::max(1, cellSize_ / 12)));
  for (const QPoint& c : highlights_) p.drawRect(cellRect(c.x(), c.y()));
  if (currentHighlight_.x() >= 0) {
    p.setPen(QPen(QColor(255, 60, 200), std::max(2, cellSize_ / 6)));
    p.drawRect(cellRect(currentHighlight_.x(), currentHighlight_.y()).adjusted(-1, -1, 1, 1));
  }
}

void LevelView::computeCellSize() {
  int cell = 0;
  if (map_) {
    const LevelHeader& h = map_->header(slot());
    cell = pyrovel::computeCellSize(width(), height(), h.width(), h.height());
  }
  if (cell != cellSize_) {
    cellSize_ = cell;
    emit cellSizeChanged(cell);
  }
  update();
}

QRect LevelView::cellRect(int x, int y) const {
  const auto r = pyrovel::cellRect(x, y, cellSize_);
  return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

QPoint LevelView::cellAt(const QPoint& pixel) const {
  if (cellSize_ <= 0) return {-1, -1};
  return {pixel.x() / cellSize_, pixel.y() / cellSize_};
}

void LevelView::updateCell(int x, int y) {
  update(cellRect(x, y));
}

void LevelView::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  const QRect area = event->rect();
  if (!map_ || !strip_) {
    p.fillRect(area, Qt::black);
    return;
  }
  const LevelHeader& h = map_->header(slot());
  const QRect level(0, 0, std::min(h.width(), kMaxLevelSide) * cellSize_,
                    std::min(h.height(), kMaxLevelSide) * cellSize_);
  // Rectangle by rectangle: a tool that repaints a few scattered cells or a
  // frame's edges costs only those.
  for (const QRect& part : event->region()) {
    const QRect inside = part & level;
    if (inside.isEmpty()) continue;
    if (paintDirect(p, inside)) continue;
    drawLevelArea(*map_, slot(), layer(), *strip_, cellSize_, inside, paintBuffer_);
    p.drawImage(inside.topLeft(), imageOf(paintBuffer_, strip_->opaque()));
  }
  const QRegion outside = event->region() - QRegion(level);
  for (const QRect& r : outside) p.fillRect(r, kOutsideLevel);
  if (overlay_) overlay_(p, cellSize_, area, OverlayLayer::UnderGrid);
  paintGrid(p, area, level);
  paintHighlights(p);
  if (overlay_) overlay_(p, cellSize_, area, OverlayLayer::OverGrid);
}

// Draws the level straight into the window's back buffer when that is a
// plain 32-bit picture under a whole-pixel shift and the sprites are
// opaque: a repaint then writes each pixel once instead of drawing into a
// buffer and copying it. False when the caller must take the buffer way.
bool LevelView::paintDirect(QPainter& p, const QRect& inside) {
  // A widget's painter paints on whatever the window redirects it to.
  QPaintDevice* device = p.paintEngine() ? p.paintEngine()->paintDevice() : nullptr;
  if (!strip_->opaque() || !device || device->devType() != QInternal::Image) return false;
  auto* image = static_cast<QImage*>(device);
  const QImage::Format format = image->format();
  if (image->devicePixelRatio() != 1.0 ||
      (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
       format != QImage::Format_ARGB32_Premultiplied)) {
    return false;
  }
  const QTransform shift = p.deviceTransform();
  if (shift.type() > QTransform::TxTranslate) return false;
  const int dx = qRound(shift.dx()), dy = qRound(shift.dy());
  if (dx != shift.dx() || dy != shift.dy()) return false;
  const QRect target = inside.translated(dx, dy) & image->rect();
  if (target.isEmpty()) return true;
  const auto stride = static_cast<std::size_t>(image->bytesPerLine()) / sizeof(std::uint32_t);
  auto* first = reinterpret_cast<std::uint32_t*>(image->bits()) +
                static_cast<std::size_t>(target.top()) * stride +
                static_cast<std::size_t>(target.left());
  drawLevelPart(*map_, slot(), layer(), *strip_, cellSize_,
                PixelView{first, target.width(), target.height(), stride}, target.left() - dx,
                target.top() - dy);
  return true;
}

void LevelView::setOverlay(Overlay overlay) {
  overlay_ = std::move(overlay);
  update();
}

void LevelView::resizeEvent(QResizeEvent*) {
  computeCellSize();
}

void LevelView::mousePressEvent(QMouseEvent* event) {
  emit pressed(event->position().toPoint(), cellSize_, event->button(), event->buttons(),
               event->modifiers());
}

void LevelView::mouseMoveEvent(QMouseEvent* event) {
  emit moved(event->position().toPoint(), cellSize_, event->buttons(), event->modifiers());
}

void LevelView::mouseReleaseEvent(QMouseEvent* event) {
  emit released(event->position().toPoint(), cellSize_, event->button(), event->buttons(),
                event->modifiers());
}

void LevelView::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) {
    event->ignore();  // the scroll box scrolls
    return;
  }
  event->accept();
  // One step per notch; touch pads send many small deltas.
  wheelAngle_ += event->angleDelta().y();
  while (wheelAngle_ >= 120) {
    wheelAngle_ -= 120;
    emit zoomRequested(+1, event->position().toPoint());
  }
  while (wheelAngle_ <= -120) {
    wheelAngle_ += 120;
    emit zoomRequested(-1, event->position().toPoint());
  }
}

LevelScrollBox::LevelScrollBox(LevelView* view, QWidget* parent)
    : QScrollArea(parent), view_(view) {
  setObjectName("levelScrollBox");
  setWidget(view);
  setWidgetResizable(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setFrameShape(QFrame::StyledPanel);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);
  setBackgroundRole(QPalette::Window);
}

void LevelScrollBox::zoomIn() {
  zoomAbout(+1, viewport()->rect().center());
}

void LevelScrollBox::zoomOut() {
  zoomAbout(-1, viewport()->rect().center());
}

void LevelScrollBox::zoomAbout(int direction, QPoint anchor) {
  const int before = view_->cellSize();
  const QSize level = view_->levelCells();
  const int cell = nextZoomCellSize(before, direction);
  if (cell == before || level.isEmpty() || level.width() * cell > kMaxViewSide ||
      level.height() * cell > kMaxViewSide) {
    return;
  }
  // The level pixel under the anchor, taken before the view moves.
  const int h = horizontalScrollBar()->value(), v = verticalScrollBar()->value();
  zoomCell_ = cell;
  setWidgetResizable(false);
  view_->resize(level * cell);
  view_->computeCellSize();
  horizontalScrollBar()->setValue(scrollKeepingPoint(h, anchor.x(), before, cell));
  verticalScrollBar()->setValue(scrollKeepingPoint(v, anchor.y(), before, cell));
}

void LevelScrollBox::fitView() {
  zoomCell_ = 0;
  setWidgetResizable(true);
  view_->resize(viewport()->size());
  view_->computeCellSize();
}

void LevelScrollBox::followLevel() {
  if (zoomCell_ > 0) view_->resize(view_->levelCells() * zoomCell_);
  view_->computeCellSize();
}

void LevelScrollBox::showCell(QPoint cell) {
  const int side = view_->cellSize();
  if (side <= 0) return;
  const QRect r = view_->cellRect(cell.x(), cell.y());
  ensureVisible(r.center().x(), r.center().y(), side * 3, side * 3);
}

}  // namespace pyrovel::app

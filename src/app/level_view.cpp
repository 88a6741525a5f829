#include "app/level_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "app/level_paint.h"
#include "render/level_renderer.h"

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
  return map_ ? map_->currentLayer : kGameLayer;
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
    drawLevelArea(*map_, slot(), layer(), *strip_, cellSize_, inside, paintBuffer_);
    p.drawImage(inside.topLeft(), imageOf(paintBuffer_, strip_->opaque()));
  }
  const QRegion outside = event->region() - QRegion(level);
  for (const QRect& r : outside) p.fillRect(r, kOutsideLevel);
  if (overlay_) overlay_(p, cellSize_, area);
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
    emit zoomRequested(+1);
  }
  while (wheelAngle_ <= -120) {
    wheelAngle_ += 120;
    emit zoomRequested(-1);
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

void LevelScrollBox::keepCentre(const QSizeF& before) {
  // The point that was in the middle of the box stays there.
  auto centre = [](QScrollBar* bar, double fraction) {
    bar->setValue(
        static_cast<int>(fraction * (bar->maximum() + bar->pageStep()) - bar->pageStep() / 2.0));
  };
  const double fx = (horizontalScrollBar()->value() + viewport()->width() / 2.0) / before.width();
  const double fy = (verticalScrollBar()->value() + viewport()->height() / 2.0) / before.height();
  centre(horizontalScrollBar(), fx);
  centre(verticalScrollBar(), fy);
}

void LevelScrollBox::zoomIn() {
  const QSize before = view_->size();
  const QSize doubled = before * 2;
  if (doubled.width() > kMaxViewSide || doubled.height() > kMaxViewSide || before.isEmpty()) {
    return;
  }
  setWidgetResizable(false);
  view_->resize(doubled);
  keepCentre(before);
}

void LevelScrollBox::zoomOut() {
  const QSize before = view_->size();
  const QSize halved(before.width() / 2, before.height() / 2);
  if (viewport()->width() >= halved.width()) {
    fitView();
  } else {
    view_->resize(halved);
    if (!before.isEmpty()) keepCentre(before);
  }
  view_->computeCellSize();
}

void LevelScrollBox::fitView() {
  setWidgetResizable(true);
  view_->resize(viewport()->size());
  view_->computeCellSize();
}

}  // namespace pyrovel::app

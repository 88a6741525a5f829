#include "app/pattern_box.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/level_paint.h"
#include "app/level_view.h"

namespace pyrovel::app {

PatternBox::PatternBox(const char* name, std::function<int(int, int)> objectAt,
                       std::function<bool(MouseButton, int, int)> press, QWidget* parent)
    : QWidget(parent), objectAt_(std::move(objectAt)), press_(std::move(press)) {
  setObjectName(name);
  setFixedSize(kSide, kSide);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::PointingHandCursor);
}

void PatternBox::setStrip(const SpriteStrip* strip) {
  strip_ = strip;
  update();
}

void PatternBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  if (!strip_) return;
  for (int c = 0; c < 3; ++c) {
    for (int r = 0; r < 3; ++r) {
      p.drawPixmap(c * kCell, r * kCell, spritePixmap(*strip_, objectAt_(c, r), kCell));
    }
  }
}

void PatternBox::mousePressEvent(QMouseEvent* event) {
  const auto button = toCoreButton(event->button());
  if (!button) return;
  const QPoint at = event->position().toPoint();
  if (press_(*button, at.x(), at.y()))
    update(QRect(at.x() / kCell * kCell, at.y() / kCell * kCell, kCell, kCell));
}

}  // namespace pyrovel::app

#include "app/objects_palette.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "app/level_paint.h"

namespace pyrovel::app {

ObjectsCanvas::ObjectsCanvas(QWidget* parent) : QWidget(parent) {
  setObjectName("objectsCanvas");
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ObjectsCanvas::setStrip(const SpriteStrip* strip) {
  strip_ = strip;
  update();
}

void ObjectsCanvas::setEntries(const Palette& palette) {
  palette_ = palette;
  hovered_ = -1;
  setFixedSize(sizeHint());
  update();
}

void ObjectsCanvas::setColumns(int columns) {
  columns_ = columns < 2 ? 10 : columns;
  setFixedSize(sizeHint());
  update();
}

int ObjectsCanvas::rows() const {
  return palette_.empty() ? 0 : (static_cast<int>(palette_.size()) + columns_ - 1) / columns_;
}

QSize ObjectsCanvas::sizeHint() const {
  return {columns_ * kCell, std::max(1, rows()) * kCell};
}

int ObjectsCanvas::entryAt(const QPoint& pixel) const {
  if (pixel.x() < 0 || pixel.y() < 0 || pixel.x() >= columns_ * kCell) return -1;
  const int k = pixel.x() / kCell + (pixel.y() / kCell) * columns_;
  return k < static_cast<int>(palette_.size()) ? k : -1;
}

void ObjectsCanvas::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  if (!strip_) return;
  for (int k = 0; k < static_cast<int>(palette_.size()); ++k) {
    const QPoint at((k % columns_) * kCell, (k / columns_) * kCell);
    p.drawPixmap(at, spritePixmap(*strip_, palette_[static_cast<std::size_t>(k)], kCell));
  }
  // A frame around the entry under the pointer, so it is clear what a click takes.
  if (hovered_ >= 0 && hovered_ < static_cast<int>(palette_.size())) {
    p.setPen(QColor(255, 255, 255, 200));
    p.drawRect((hovered_ % columns_) * kCell, (hovered_ / columns_) * kCell, kCell - 1, kCell - 1);
  }
}

void ObjectsCanvas::mouseMoveEvent(QMouseEvent* event) {
  const int k = entryAt(event->position().toPoint());
  if (k != hovered_) update();
  hovered_ = k;
  emit hovered(k < 0 ? -1 : palette_[static_cast<std::size_t>(k)]);
}

void ObjectsCanvas::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int k = entryAt(event->position().toPoint());
  if (k >= 0) emit chosen(palette_[static_cast<std::size_t>(k)]);
}

void ObjectsCanvas::leaveEvent(QEvent*) {
  hovered_ = -1;
  update();
}

ObjectsPanel::ObjectsPanel(QWidget* parent) : QWidget(parent) {
  setObjectName("objectsPanelContents");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  canvas_ = new ObjectsCanvas;
  scroll_ = new QScrollArea;
  scroll_->setObjectName("objectsScrollBox");
  scroll_->setWidget(canvas_);
  scroll_->setWidgetResizable(false);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  hint_ = new QLabel;
  hint_->setObjectName("objectHint");
  hint_->setTextFormat(Qt::PlainText);
  hint_->setMinimumWidth(0);
  hint_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  layout->addWidget(scroll_, 1);
  layout->addWidget(hint_);
}

void ObjectsPanel::showHint(int object, const ObjectCatalogue& catalogue) {
  hint_->setText(object < 0 ? QString() : "  " + QString::fromStdString(catalogue.item(object)));
}

QSize ObjectsPanel::fittingSize() const {
  const QMargins m = layout()->contentsMargins();
  const QSize canvas = canvas_->sizeHint();
  return {canvas.width() + m.left() + m.right() + 2, canvas.height() + hint_->sizeHint().height() +
                                                         layout()->spacing() + m.top() +
                                                         m.bottom() + 2};
}

}  // namespace pyrovel::app

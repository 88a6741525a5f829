#include "app/objects_palette.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

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
  showEntries();
}

void ObjectsCanvas::setFilter(std::optional<std::vector<int>> objects) {
  filter_ = std::move(objects);
  showEntries();
}

void ObjectsCanvas::showEntries() {
  shown_.clear();
  for (int object : palette_) {
    if (!filter_ || std::find(filter_->begin(), filter_->end(), object) != filter_->end())
      shown_.push_back(object);
  }
  hovered_ = -1;
  setFixedSize(sizeHint());
  update();
}

void ObjectsCanvas::setCellSize(int side) {
  cell_ = side == 24 || side == 32 ? side : kCell;
  setFixedSize(sizeHint());
  update();
}

void ObjectsCanvas::setColumns(int columns) {
  columns_ = columns < 2 ? 10 : columns;
  setFixedSize(sizeHint());
  update();
}

int ObjectsCanvas::rows() const {
  return shown_.empty() ? 0 : (static_cast<int>(shown_.size()) + columns_ - 1) / columns_;
}

QSize ObjectsCanvas::sizeHint() const {
  return {columns_ * cell_, std::max(1, rows()) * cell_};
}

int ObjectsCanvas::entryAt(const QPoint& pixel) const {
  if (pixel.x() < 0 || pixel.y() < 0 || pixel.x() >= columns_ * cell_) return -1;
  const int k = pixel.x() / cell_ + (pixel.y() / cell_) * columns_;
  return k < static_cast<int>(shown_.size()) ? k : -1;
}

void ObjectsCanvas::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  if (!strip_) return;
  // The scroll box shows a part of the canvas: only the entries in the part
  // to paint are drawn.
  const QRect area = event->rect();
  const int first = std::max(0, area.top() / cell_) * columns_;
  const int end = std::min(static_cast<int>(shown_.size()), (area.bottom() / cell_ + 1) * columns_);
  // Straight from the strip's scaled sprites: a hover repaints the panel.
  for (int k = first; k < end; ++k) {
    const QImage sprite = spriteImage(*strip_, shown_[static_cast<std::size_t>(k)], cell_);
    if (!sprite.isNull())
      p.drawImage(QPoint((k % columns_) * cell_, (k / columns_) * cell_), sprite);
  }
  // A frame around the entry under the pointer, so it is clear what a click takes.
  if (hovered_ >= 0 && hovered_ < static_cast<int>(shown_.size())) {
    p.setPen(QColor(255, 255, 255, 200));
    p.drawRect((hovered_ % columns_) * cell_, (hovered_ / columns_) * cell_, cell_ - 1, cell_ - 1);
  }
}

void ObjectsCanvas::mouseMoveEvent(QMouseEvent* event) {
  const int k = entryAt(event->position().toPoint());
  if (k != hovered_) update();
  hovered_ = k;
  emit hovered(k < 0 ? -1 : shown_[static_cast<std::size_t>(k)]);
}

void ObjectsCanvas::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int k = entryAt(event->position().toPoint());
  if (k >= 0) emit chosen(shown_[static_cast<std::size_t>(k)]);
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
  auto* top = new QHBoxLayout;
  filter_ = new QLineEdit;
  filter_->setObjectName("objectsFilter");
  filter_->setPlaceholderText("Filter");
  filter_->setClearButtonEnabled(true);
  filter_->setToolTip("Shows the objects whose name holds this text, or one object by number");
  iconSize_ = new QComboBox;
  iconSize_->setObjectName("objectsIconSize");
  for (int side : {16, 24, 32}) iconSize_->addItem(QString("%1 px").arg(side), side);
  iconSize_->setToolTip("Icon size");
  top->addWidget(filter_, 1);
  top->addWidget(iconSize_);
  layout->addLayout(top);
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
  hint_->setText(object < 0 ? QString() : "  " + QString::fromStdString(catalogue.label(object)));
}

QSize ObjectsPanel::fittingSize() const {
  const QMargins m = layout()->contentsMargins();
  const QSize canvas = canvas_->sizeHint();
  const int top = std::max(filter_->sizeHint().height(), iconSize_->sizeHint().height());
  return {canvas.width() + m.left() + m.right() + 2,
          top + canvas.height() + hint_->sizeHint().height() + 2 * layout()->spacing() + m.top() +
              m.bottom() + 2};
}

}  // namespace pyrovel::app

#include "app/level_preview_window.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "app/level_paint.h"
#include "render/level_renderer.h"

namespace pyrovel::app {

// The paint area: the slot at the cell size that fits it whole, in the main
// window's layer.
class LevelPreviewWindow::Canvas : public QWidget {
 public:
  Canvas(LevelPreviewWindow* owner, const Levelmap* map, const SpriteStrip* strip)
      : QWidget(owner), owner_(owner), map_(map), strip_(strip) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(160, 100);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter p(this);
    const QRect area = event->rect();
    const int slot = owner_->slot() > 0 ? owner_->slot() : map_->currentLevel;
    const LevelHeader& h = map_->header(slot);
    const int cell = std::max(1, computeCellSize(width(), height(), h.width(), h.height()));
    const PixelBuffer pixels = drawLevelArea(*map_, slot, map_->currentLayer, *strip_, cell, area);
    p.drawImage(area.topLeft(), imageOf(pixels));
  }

 private:
  LevelPreviewWindow* owner_;
  const Levelmap* map_;
  const SpriteStrip* strip_;
};

LevelPreviewWindow::LevelPreviewWindow(QWidget* owner, const Levelmap* map,
                                       const SpriteStrip* strip)
    : QWidget(owner, Qt::Tool), map_(map) {
  setObjectName("levelPreviewWindow");
  setWindowTitle("Level preview");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  canvas_ = new Canvas(this, map, strip);
  canvas_->setObjectName("previewCanvas");
  button_ = new QPushButton("Show Current Level", this);
  button_->setObjectName("drawPreviewButton");
  layout->addWidget(canvas_, 1);
  layout->addWidget(button_);
  connect(button_, &QPushButton::clicked, this, &LevelPreviewWindow::drawPreview);
  resize(480, 300);
}

void LevelPreviewWindow::drawPreview() {
  slot_ = map_->currentLevel;
  setWindowTitle("Level preview: level " + QString::number(Levelmap::levelNumber(slot_)));
  canvas_->update();
}

bool LevelPreviewWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    if (slot_ == 0) slot_ = 1;
    emit activated(this);
  }
  return QWidget::event(event);
}

}  // namespace pyrovel::app

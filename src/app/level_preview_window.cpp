#include "app/level_preview_window.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "app/level_paint.h"

namespace pyrovel::app {

// The paint area: the slot at the main window's cell size and layer.
class LevelPreviewWindow::Canvas : public QWidget {
 public:
  Canvas(LevelPreviewWindow* owner, const Levelmap* map, const SpriteStrip* strip,
         std::function<int()> cell)
      : QWidget(owner), owner_(owner), map_(map), strip_(strip), cell_(std::move(cell)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(160, 100);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter p(this);
    const QRect area = event->rect();
    const int slot = owner_->slot() > 0 ? owner_->slot() : map_->currentLevel;
    const PixelBuffer pixels =
        drawLevelArea(*map_, slot, map_->currentLayer, *strip_, cell_(), area);
    p.drawImage(area.topLeft(), imageOf(pixels));
  }

 private:
  LevelPreviewWindow* owner_;
  const Levelmap* map_;
  const SpriteStrip* strip_;
  std::function<int()> cell_;
};

LevelPreviewWindow::LevelPreviewWindow(QWidget* owner, const Levelmap* map,
                                       const SpriteStrip* strip, std::function<int()> cellSize)
    : QWidget(owner, Qt::Tool), map_(map) {
  setObjectName("levelPreviewWindow");
  setWindowTitle("Level preview");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  canvas_ = new Canvas(this, map, strip, std::move(cellSize));
  canvas_->setObjectName("previewCanvas");
  button_ = new QPushButton("Draw Form2", this);
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

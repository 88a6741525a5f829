#pragma once
// The Objects panel: the palette of the editing mode as 16 x 16 sprites
// (in a scroll box of its own) and the hint line
// `objectHint` under it. Hovering names an object, a click chooses it.
#include <QLabel>
#include <QScrollArea>
#include <QWidget>

#include "model/object_catalogue.h"
#include "model/palette_file.h"
#include "render/sprite_strip.h"

namespace pyrovel::app {

class ObjectsCanvas : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kCell = 16;

  explicit ObjectsCanvas(QWidget* parent = nullptr);

  void setStrip(const SpriteStrip* strip);
  void setEntries(const Palette& palette);
  const Palette& entries() const { return palette_; }
  // Below 2 is taken as 10.
  void setColumns(int columns);
  int columns() const { return columns_; }
  int rows() const;
  // The palette entry under a pixel, or -1.
  int entryAt(const QPoint& pixel) const;

  QSize sizeHint() const override;

 signals:
  void hovered(int object);  // -1 when the pointer is over no entry
  void chosen(int object);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  const SpriteStrip* strip_ = nullptr;
  Palette palette_;
  int columns_ = 10;
  int hovered_ = -1;  // palette index under the pointer
};

// The panel inside the Objects tool window.
class ObjectsPanel : public QWidget {
  Q_OBJECT
 public:
  explicit ObjectsPanel(QWidget* parent = nullptr);

  ObjectsCanvas* canvas() const { return canvas_; }
  QScrollArea* scrollBox() const { return scroll_; }
  QLabel* hint() const { return hint_; }
  // Shows "  " and the object's item of the name list (empty for -1).
  void showHint(int object, const ObjectCatalogue& catalogue);
  // The size that shows every entry at the current column count.
  QSize fittingSize() const;

 private:
  ObjectsCanvas* canvas_;
  QScrollArea* scroll_;
  QLabel* hint_;
};

}  // namespace pyrovel::app

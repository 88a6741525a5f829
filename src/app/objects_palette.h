#pragma once
// The Objects panel: a filter box and the icon size, the palette of the
// editing mode as sprites of that size (in a scroll box of its own) and the
// hint line `objectHint` under it. Hovering names an object, a click
// chooses it.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QWidget>
#include <optional>
#include <vector>

#include "model/object_catalogue.h"
#include "model/palette_file.h"
#include "render/sprite_strip.h"

namespace pyrovel::app {

class ObjectsCanvas : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kCell = 16;  // the smallest icon size

  explicit ObjectsCanvas(QWidget* parent = nullptr);

  void setStrip(const SpriteStrip* strip);
  void setEntries(const Palette& palette);
  // The entries shown: the palette's, or those of its entries a filter kept.
  const Palette& entries() const { return shown_; }
  // Keeps only the palette's entries among `objects`; none: all of them.
  void setFilter(std::optional<std::vector<int>> objects);
  // Icon side in pixels: 16, 24 or 32.
  void setCellSize(int side);
  int cellSize() const { return cell_; }
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
  void showEntries();

  const SpriteStrip* strip_ = nullptr;
  Palette palette_;
  Palette shown_;
  std::optional<std::vector<int>> filter_;
  int cell_ = kCell;
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
  QLineEdit* filterBox() const { return filter_; }
  QComboBox* iconSizeBox() const { return iconSize_; }
  // Shows "  " and the object's item of the name list (empty for -1).
  void showHint(int object, const ObjectCatalogue& catalogue);
  // The size that shows every entry at the current column count.
  QSize fittingSize() const;

 private:
  ObjectsCanvas* canvas_;
  QScrollArea* scroll_;
  QLabel* hint_;
  QLineEdit* filter_;
  QComboBox* iconSize_;
};

}  // namespace pyrovel::app

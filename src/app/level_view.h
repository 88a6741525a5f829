#pragma once
// The level view: the current layer of the current level as
// a grid of square cells, inside the scroll box that zooms it.
// Mouse actions are handed on with the pixel position and the cell size, so
// the drawing tools work in cells without knowing about widgets.
#include <QScrollArea>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "editor/view_events.h"
#include "model/levelmap.h"
#include "render/pixel_buffer.h"
#include "render/sprite_strip.h"

class QPainter;

namespace pyrovel::app {

// The grid is drawn from cells of this many pixels on, its lines the
// fainter the smaller the cells.
inline constexpr int kMinGridCell = 4;
int gridAlpha(int cellSize);

// Qt's mouse buttons and keys as the editing core takes them.
std::optional<MouseButton> toCoreButton(Qt::MouseButton button);
unsigned heldState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

class LevelView : public QWidget {
  Q_OBJECT
 public:
  explicit LevelView(QWidget* parent = nullptr);

  // What to draw; both must outlive the view.
  void setSource(const Levelmap* map, const SpriteStrip* strip);
  // Which slot and layer to show; the main view follows the levelmap's
  // current ones (slot 0), a preview keeps its own slot.
  void setFixedSlot(int slot);

  int cellSize() const { return cellSize_; }
  // Recomputes the cell size from the view size and the level size.
  void computeCellSize();
  QRect cellRect(int x, int y) const;
  // The cell under a view pixel (may lie outside the level).
  QPoint cellAt(const QPoint& pixel) const;
  // Repaints one cell after a tool changed it.
  void updateCell(int x, int y);
  // Drawn over the level after every paint (the tools' rubber band and
  // floating selection), given the area being painted, in two layers: the
  // cells under the grid, frames over it. An empty function draws nothing.
  enum class OverlayLayer { UnderGrid, OverGrid };
  using Overlay =
      std::function<void(QPainter&, int cellSize, const QRect& area, OverlayLayer layer)>;
  void setOverlay(Overlay overlay);

  // Lines between the cells, drawn over the level.
  void setGridShown(bool shown);
  bool gridShown() const { return grid_; }
  // While the game layer is edited, the background shows dimmed under it.
  void setBothLayersShown(bool shown);
  bool bothLayersShown() const { return bothLayers_; }
  // Cells framed as search results; `current` (may be -1, -1) stands out.
  void setHighlights(std::vector<QPoint> cells, QPoint current);
  const std::vector<QPoint>& highlights() const { return highlights_; }
  // The level's size in cells, as drawn.
  QSize levelCells() const;
  // The layer as the renderer takes it (both layers when shown so).
  int layer() const;

 signals:
  void pressed(QPoint pixel, int cellSize, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers);
  void moved(QPoint pixel, int cellSize, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
  void released(QPoint pixel, int cellSize, Qt::MouseButton button, Qt::MouseButtons buttons,
                Qt::KeyboardModifiers modifiers);
  // Ctrl and the mouse wheel: +1 zoom in, -1 zoom out, about the view pixel.
  void zoomRequested(int step, QPoint pixel);
  void cellSizeChanged(int cellSize);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  int slot() const;
  void paintGrid(QPainter& p, const QRect& area, const QRect& level) const;
  bool paintDirect(QPainter& p, const QRect& inside);
  void paintHighlights(QPainter& p) const;

  const Levelmap* map_ = nullptr;
  const SpriteStrip* strip_ = nullptr;
  Overlay overlay_;
  PixelBuffer paintBuffer_;  // kept between paints
  int fixedSlot_ = 0;
  int cellSize_ = 0;
  int wheelAngle_ = 0;
  bool grid_ = false;
  bool bothLayers_ = false;
  std::vector<QPoint> highlights_;
  QPoint currentHighlight_{-1, -1};
};

// The scroll box: the view fills it (the level fitted) until it is zoomed
// to one of the fixed steps; then the view is the level at that cell size.
class LevelScrollBox : public QScrollArea {
  Q_OBJECT
 public:
  explicit LevelScrollBox(LevelView* view, QWidget* parent = nullptr);

  LevelView* view() const { return view_; }
  bool fillsBox() const { return widgetResizable(); }
  // One step in or out, about the middle of the box.
  void zoomIn();
  void zoomOut();
  // One step (+1 in, -1 out) keeping the level point under `anchor`
  // (viewport pixels) where it is.
  void zoomAbout(int direction, QPoint anchor);
  // Back to filling the box: the whole level fits.
  void fitView();
  // Another level is shown: a zoomed view takes its size at the same cells.
  void followLevel();
  // Scrolls so the cell is in sight, with a margin of a few cells.
  void showCell(QPoint cell);

 private:
  LevelView* view_;
  int zoomCell_ = 0;  // 0 while fitted
};

}  // namespace pyrovel::app

#pragma once
// The level view's controller: hands the view's pointer events and the
// tool buttons' clicks to the drawing tools, and shows what each answer
// names: the cells to repaint, the rubber band and floating selection, the
// status bar readout, the tool buttons, the option bars, the usage hint
// and the cursor.
#include <QObject>
#include <QPoint>
#include <QRegion>
#include <functional>
#include <utility>
#include <vector>

#include "editor/tool_controller.h"
#include "render/sprite_strip.h"

class QLabel;

namespace pyrovel::app {

class LevelScrollBox;
class LevelView;
class ToolsCanvas;

// The widgets the controller drives; the window owns them.
struct LevelViewWidgets {
  LevelView* view = nullptr;
  LevelScrollBox* scrollBox = nullptr;  // scrolled by a pan
  ToolsCanvas* toolsPanel = nullptr;
  QLabel* usageHint = nullptr;
  QLabel* pointerCoordinates = nullptr;  // status bar panel 0
  QLabel* pointerObject = nullptr;       // status bar panel 3
  // The option bar shown for each kind; the others are hidden. A bar may be
  // made when its tool is first chosen: asked with `make` false, it answers
  // null until then.
  std::vector<std::pair<OptionBar, std::function<QWidget*(bool make)>>> optionBars;
};

class LevelViewController : public QObject {
  Q_OBJECT
 public:
  LevelViewController(ToolController& tools, const SpriteStrip& strip, LevelViewWidgets widgets,
                      QObject* parent = nullptr);

  // Shows what an answer of the drawing tools names.
  void applyUpdate(const ViewUpdate& update);
  // While `dock` is dragged, the level view neither draws nor reads out.
  void freezeWhileDragged(QWidget* dock);
  // Each tool's letter key, as actions of `window` (Pen P, Rectangle R, ...).
  void addToolKeys(QWidget* window);

 signals:
  // A pick made the session's drawing object another.
  void drawingObjectPicked(int object);
  // Cells of the level changed; previews follow.
  void cellsDrawn();
  // The whole level is to be drawn again.
  void levelChanged();

 private:
  void connectToolButtons();
  // Space held while the pointer is over the view turns the left button into a pan.
  void watchPanKey();
  void viewPressed(QPoint at, int cellSize, Qt::MouseButton button, Qt::MouseButtons buttons,
                   Qt::KeyboardModifiers modifiers);
  void viewMoved(QPoint at, int cellSize, Qt::MouseButtons buttons,
                 Qt::KeyboardModifiers modifiers);
  void viewReleased(Qt::MouseButton button);
  void updateOverlay();
  void updateToolControls();
  void updateUsageHint();
  void updateViewCursor(QPoint at, int cellSize);

  ToolController& tools_;
  const SpriteStrip& strip_;
  LevelViewWidgets widgets_;
  QRegion lastOverlay_;  // view pixels the tools' overlay covered when last shown
  bool draggingSelection_ = false;
  bool pointerOverView_ = false;
  bool panKeyTaken_ = false;  // the Space press went to the pan, so does its release
};

}  // namespace pyrovel::app

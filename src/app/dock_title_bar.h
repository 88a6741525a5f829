#pragma once
// A slim title bar for tool windows docked in the narrow left dock: the
// name, elided, over a grip. Dragging it moves the window and a double
// click floats it, as with the full title bar.
#include <QDockWidget>

namespace pyrovel::app {

class DockTitleBar : public QWidget {
  Q_OBJECT
 public:
  explicit DockTitleBar(QDockWidget* dock);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QDockWidget* dock_;
};

// Uses the slim bar while the dock sits in the left dock, the normal one elsewhere.
void useSlimTitleInLeftDock(QMainWindow* owner, QDockWidget* dock);

}  // namespace pyrovel::app

#pragma once
// The Tools panel (`ToolsCanvas`): level stepping, zoom, the drawing tools
// and the preview of the drawing object (`Image2` in `Panel1`). The buttons
// carry their component names; the window connects them.
#include <QFrame>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

#include "render/sprite_strip.h"

namespace pyrovel::app {

class ToolsCanvas : public QFrame {
  Q_OBJECT
 public:
  explicit ToolsCanvas(QWidget* parent = nullptr);

  QToolButton* button(const char* objectName) const;
  QSpinBox* levelNumber() const { return spinEdit1_; }
  // Shows the drawing object: its library image, then its 32 x 32 sprite over it.
  void showDrawingObject(const SpriteStrip& strip, int object, int libraryImage);

 private:
  QToolButton* addButton(const char* name, const QString& hint);

  QSpinBox* spinEdit1_;
  QLabel* image2_;
};

}  // namespace pyrovel::app

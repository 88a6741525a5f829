#pragma once
// The Tools panel: level stepping, zoom, a button for each drawing tool of
// the registry, testing the level and the preview of the drawing object.
// The buttons carry role names (a tool's button its id); the window
// connects them.
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

  QToolButton* button(const QString& objectName) const;
  QSpinBox* levelNumber() const { return levelNumber_; }
  // Shows the drawing object: its library image, then its 32 x 32 sprite over it.
  void showDrawingObject(const SpriteStrip& strip, int object, int libraryImage);

 private:
  QToolButton* addButton(const QString& name, const QString& hint);

  QSpinBox* levelNumber_;
  QLabel* drawingObjectImage_;
};

}  // namespace pyrovel::app

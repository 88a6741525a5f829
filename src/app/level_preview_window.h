#pragma once
// The level preview window (`LevelPreviewWindow`): a level drawn as the main view draws
// it, for a slot of its own. "Show Current Level" takes the main window's current
// level; the last preview activated follows the current level while the
// main editing area is hidden.
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "model/levelmap.h"
#include "render/sprite_strip.h"

namespace pyrovel::app {

class LevelPreviewWindow : public QWidget {
  Q_OBJECT
 public:
  LevelPreviewWindow(QWidget* owner, const Levelmap* map, const SpriteStrip* strip);

  int slot() const { return slot_; }
  // The "Show Current Level" button: take the main window's current level, repaint.
  void drawPreview();
  QPushButton* drawButton() const { return button_; }

 signals:
  void activated(LevelPreviewWindow* preview);

 protected:
  bool event(QEvent* event) override;

 private:
  class Canvas;
  const Levelmap* map_;
  int slot_ = 0;  // 0 until first activated
  Canvas* canvas_;
  QPushButton* button_;
};

}  // namespace pyrovel::app

#pragma once
// A 3 x 3 pattern of the Properties window (the four yam boxes and the
// well box): 16-pixel sprites, and a left
// press that puts the drawing object into the cell under it.
#include <QWidget>
#include <functional>

#include "editor/view_events.h"
#include "render/sprite_strip.h"

namespace pyrovel::app {

class PatternBox : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kCell = 16;
  static constexpr int kSide = 3 * kCell;

  // `objectAt(c, r)` names the object to draw in a cell; `press(button, x,
  // y)` handles a press in box pixels and says whether the box changed.
  PatternBox(const char* name, std::function<int(int, int)> objectAt,
             std::function<bool(MouseButton, int, int)> press, QWidget* parent = nullptr);
  void setStrip(const SpriteStrip* strip);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::function<int(int, int)> objectAt_;
  std::function<bool(MouseButton, int, int)> press_;
  const SpriteStrip* strip_ = nullptr;
};

}  // namespace pyrovel::app

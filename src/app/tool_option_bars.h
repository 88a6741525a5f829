#pragma once
// The option bars of the drawing tools, in the row under the main tool bar:
// the spray's (amount, size, "Spray only in space and dirt") and the chaos
// fill's (the "Include" boxes and the object number). Their controls write
// straight into the tools' option values.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QSpinBox>
#include <array>

#include "editor/tools/chaos_tool.h"
#include "editor/tools/spray_tool.h"
#include "render/sprite_strip.h"

namespace pyrovel::app {

class SprayOptionsBar : public QFrame {
  Q_OBJECT
 public:
  SprayOptionsBar(SprayOptions& options, QWidget* parent = nullptr);

 private:
  SprayOptions& options_;
};

class ChaosOptionsBar : public QFrame {
  Q_OBJECT
 public:
  ChaosOptionsBar(ChaosOptions& options, QWidget* parent = nullptr);
  // The height a bar takes, measured without making one: that of its
  // tallest controls, the number field and a box with a sprite.
  static int heightHint();
  // Each box shows the sprite of the object it adds.
  void showSprites(const SpriteStrip& strip);
  // Drops the sprites while `available` pixels cannot hold them with the
  // captions, so that no caption is ever cut.
  void fitWidth(int available);

 private:
  void applySprites();

  ChaosOptions& options_;
  std::array<QCheckBox*, ChaosOptions::kBoxes> boxes_{};
  std::array<QIcon, ChaosOptions::kBoxes> sprites_{};
  int widthWithSprites_ = 0;
  bool spritesShown_ = true;
  QSpinBox* objectNumber_;
  const SpriteStrip* strip_ = nullptr;
};

}  // namespace pyrovel::app

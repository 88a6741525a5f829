#include "app/tools_panel.h"

#include <QGridLayout>
#include <QPainter>
#include <string_view>

#include "app/icons.h"
#include "app/level_paint.h"

namespace pyrovel::app {

namespace {
constexpr int kButtonSide = 26;
constexpr int kPreviewSide = 36;
}  // namespace

QToolButton* ToolsCanvas::addButton(const char* name, const QString& hint) {
  auto* b = new QToolButton(this);
  b->setObjectName(name);
  b->setToolTip(hint);
  b->setAutoRaise(true);
  b->setFixedSize(kButtonSide, kButtonSide);
  b->setIconSize(QSize(20, 20));
  return b;
}

ToolsCanvas::ToolsCanvas(QWidget* parent) : QFrame(parent) {
  setObjectName("ToolsCanvas");
  // The tools keep their height; a palette docked below takes the rest.
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(3, 3, 3, 3);
  grid->setSpacing(1);

  auto* go = addButton("IEButton17", "Go");
  go->setText("Go");
  go->setToolButtonStyle(Qt::ToolButtonTextOnly);
  go->setFixedSize(2 * kButtonSide + 1, 20);
  go->setAutoRaise(false);
  spinEdit1_ = new QSpinBox(this);
  spinEdit1_->setObjectName("SpinEdit1");
  spinEdit1_->setRange(0, 100);
  spinEdit1_->setFixedWidth(2 * kButtonSide + 1);
  spinEdit1_->setToolTip("Level number for Go");
  grid->addWidget(spinEdit1_, 0, 0, 1, 2);
  grid->addWidget(go, 1, 0, 1, 2);

  struct ToolButtonDef {
    const char* name;
    const char* hint;
    Glyph glyph;
  };
  const ToolButtonDef buttons[] = {
      {"IEButton9", "Previous Level", Glyph::Previous},
      {"IEButton10", "Next Level", Glyph::Next},
      {"IEButton12", "Level size", Glyph::SetSize},
      {"IEButton11", "Clear Level", Glyph::ClearLevel},
      {"IEButton13", "Zoom in", Glyph::ZoomIn},
      {"IEButton14", "Zoom out", Glyph::ZoomOut},
      {"IEButton18", "Selection Tool", Glyph::Selection},
      {"IEButton23", "Rectangle tool", Glyph::RectangleOff},
      {"Spraybutton", "Spray tool", Glyph::Spray},
      {"IEButton30", "Line tool (not implemented yet)", Glyph::Line},
      {"IEButtonchaos", "Rectangle tool", Glyph::Chaos},
      {"IEButton15", "Test Level", Glyph::TestLevel},
      {"IEButton16", "Test Level in Bd4 V1.03", Glyph::TestTarget},
  };
  int index = 0;
  for (const ToolButtonDef& s : buttons) {
    // The chaos tool sits beside the rectangle it shares its glyph logic with,
    // the two test buttons form the last row.
    if (std::string_view(s.name) == "IEButton15" && index % 2) ++index;
    QToolButton* b = addButton(s.name, s.hint);
    b->setIcon(glyphIcon(s.glyph));
    grid->addWidget(b, 2 + index / 2, index % 2);
    ++index;
  }
  button("IEButton30")->setEnabled(false);

  auto* panel1 = new QFrame(this);
  panel1->setObjectName("Panel1");
  panel1->setFrameShape(QFrame::StyledPanel);
  panel1->setFrameShadow(QFrame::Sunken);
  auto* inner = new QGridLayout(panel1);
  inner->setContentsMargins(1, 1, 1, 1);
  image2_ = new QLabel(panel1);
  image2_->setObjectName("Image2");
  image2_->setFixedSize(kPreviewSide, kPreviewSide);
  image2_->setAlignment(Qt::AlignCenter);
  inner->addWidget(image2_, 0, 0, Qt::AlignCenter);
  grid->addWidget(panel1, 3 + index / 2, 0, 1, 2, Qt::AlignHCenter);
  grid->setRowStretch(4 + index / 2, 1);
}

QToolButton* ToolsCanvas::button(const char* objectName) const {
  return findChild<QToolButton*>(objectName);
}

void ToolsCanvas::showDrawingObject(const SpriteStrip& strip, int object, int libraryImage) {
  QPixmap picture(kPreviewSide, kPreviewSide);
  picture.fill(Qt::black);
  QPainter p(&picture);
  const QPoint corner((kPreviewSide - kSpriteSide) / 2, (kPreviewSide - kSpriteSide) / 2);
  if (libraryImage >= 0) {
    const PixelBuffer under = strip.libraryImage(libraryImage);
    if (under.width > 0) p.drawImage(corner, imageOf(under));
  }
  if (strip.drawable(object) || object == 0) {
    p.drawPixmap(corner, spritePixmap(strip, object, kSpriteSide));
  }
  p.end();
  image2_->setPixmap(picture);
  image2_->setToolTip(QString::number(object));
}

}  // namespace pyrovel::app


#include "app/tools_panel.h"

#include <QGridLayout>
#include <QPainter>
#include <initializer_list>
#include <iterator>

#include "app/icons.h"
#include "app/level_paint.h"
#include "app/text_codec.h"
#include "editor/drawing_tool_registry.h"

namespace pyrovel::app {

namespace {
constexpr int kButtonSide = 26;
constexpr int kPreviewSide = 36;
}  // namespace

QToolButton* ToolsCanvas::addButton(const QString& name, const QString& hint) {
  auto* b = new QToolButton(this);
  b->setObjectName(name);
  b->setToolTip(hint);
  b->setAutoRaise(true);
  b->setFixedSize(kButtonSide, kButtonSide);
  b->setIconSize(QSize(20, 20));
  return b;
}

ToolsCanvas::ToolsCanvas(QWidget* parent) : QFrame(parent) {
  setObjectName("toolsPanel");
  // The tools keep their height; a palette docked below takes the rest.
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(3, 3, 3, 3);
  grid->setSpacing(1);

  auto* go = addButton("goButton", "Go");
  go->setText("Go");
  go->setToolButtonStyle(Qt::ToolButtonTextOnly);
  go->setFixedSize(2 * kButtonSide + 1, 20);
  go->setAutoRaise(false);
  levelNumber_ = new QSpinBox(this);
  levelNumber_->setObjectName("levelNumber");
  levelNumber_->setRange(0, 100);
  levelNumber_->setFixedWidth(2 * kButtonSide + 1);
  levelNumber_->setToolTip("Level number for Go");
  grid->addWidget(levelNumber_, 0, 0, 1, 2);
  grid->addWidget(go, 1, 0, 1, 2);

  // Two buttons a row: the level and zoom buttons, the drawing tools (all
  // but the default one, which is on whenever no other is), then the two
  // test buttons on a row of their own.
  int index = 0;
  const auto place = [&](QToolButton* b) {
    grid->addWidget(b, 2 + index / 2, index % 2);
    ++index;
  };
  struct GlyphButton {
    const char* name;
    const char* hint;
    Glyph glyph;
  };
  const auto placeGlyphButtons = [&](std::initializer_list<GlyphButton> buttons) {
    for (const GlyphButton& s : buttons) {
      QToolButton* b = addButton(s.name, s.hint);
      b->setIcon(glyphIcon(s.glyph));
      place(b);
    }
  };
  placeGlyphButtons({
      {"previousLevelButton", "Previous Level", Glyph::Previous},
      {"nextLevelButton", "Next Level", Glyph::Next},
      {"levelPropertiesButton", "Level size", Glyph::SetSize},
      {"clearLevelButton", "Clear Level", Glyph::ClearLevel},
      {"zoomInButton", "Zoom in", Glyph::ZoomIn},
      {"zoomOutButton", "Zoom out", Glyph::ZoomOut},
  });
  const auto tools = drawingToolRegistry();
  for (auto tool = std::next(tools.begin()); tool != tools.end(); ++tool) {
    QToolButton* b = addButton(fromStd((*tool)->id()), fromStd(buttonHintWithKey(**tool)));
    b->setEnabled((*tool)->available());
    place(b);  // the window gives it its icon
  }
  if (index % 2) ++index;
  placeGlyphButtons({
      {"testLevelButton", "Test Level", Glyph::TestLevel},
      {"testTargetButton", "Test Level in Bd4 V1.03", Glyph::TestTarget},
  });

  auto* frame = new QFrame(this);
  frame->setObjectName("drawingObjectFrame");
  frame->setFrameShape(QFrame::StyledPanel);
  frame->setFrameShadow(QFrame::Sunken);
  auto* inner = new QGridLayout(frame);
  inner->setContentsMargins(1, 1, 1, 1);
  drawingObjectImage_ = new QLabel(frame);
  drawingObjectImage_->setObjectName("drawingObjectImage");
  drawingObjectImage_->setFixedSize(kPreviewSide, kPreviewSide);
  drawingObjectImage_->setAlignment(Qt::AlignCenter);
  inner->addWidget(drawingObjectImage_, 0, 0, Qt::AlignCenter);
  grid->addWidget(frame, 3 + index / 2, 0, 1, 2, Qt::AlignHCenter);
  grid->setRowStretch(4 + index / 2, 1);
}

QToolButton* ToolsCanvas::button(const QString& objectName) const {
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
  drawingObjectImage_->setPixmap(picture);
  drawingObjectImage_->setToolTip(QString::number(object));
}

}  // namespace pyrovel::app

#include "app/editor_style.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOption>
#include <algorithm>
#include <initializer_list>

namespace pyrovel::app {

namespace {

// The images Qt's common style adds to these icons, read as PNG without
// asking the plug-ins.
QIcon qtStyleImages(std::initializer_list<const char*> names) {
  QIcon icon;
  for (const char* name : names) {
    QImageReader reader(
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/") + QLatin1String(name), "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull()) return {};  // not this Qt's images: the base style answers
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

// Qt's raster engine hands a blend of 96 spans or more to its thread pool,
// 64 spans a task, and a cosmetic line gives a span per pixel, a fill one per
// row. For a slim control, such as the edge lines of a tool bar or the
// length of a scroll bar, the hand-over costs far more than the drawing: on
// a two-core machine a tool bar or a scroll bar took near a millisecond a
// paint, most of it waiting for the pool. Drawn into images of fewer than 96
// pixels a side, every blend stays on this thread and the look is the same
// (an antialiased corner may round differently). Only where one logical pixel
// is one device pixel and the painter only moves: there the tiles meet
// without seams.
template <typename Draw>
void drawInTiles(QPainter* painter, const QRect& area, const Draw& draw) {
  constexpr int kTile = 95;
  const bool oneTile = area.width() <= kTile && area.height() <= kTile;
  if (oneTile || painter->device()->devicePixelRatio() != 1.0 ||
      painter->transform().type() > QTransform::TxTranslate) {
    draw(painter);
    return;
  }
  // No larger than the area: each tile is cleared before it is drawn.
  QImage tileImage(std::min(kTile, area.width()), std::min(kTile, area.height()),
                   QImage::Format_ARGB32_Premultiplied);
  for (int y = area.top(); y <= area.bottom(); y += kTile) {
    for (int x = area.left(); x <= area.right(); x += kTile) {
      const QRect tile = QRect(x, y, kTile, kTile).intersected(area);
      tileImage.fill(Qt::transparent);
      {
        QPainter tilePainter(&tileImage);
        tilePainter.translate(-tile.topLeft());
        draw(&tilePainter);
      }
      painter->drawImage(tile.topLeft(), tileImage, QRect(QPoint(), tile.size()));
    }
  }
}

class EditorStyle : public QProxyStyle {
 public:
  explicit EditorStyle(QStyle* fusion) : QProxyStyle(fusion) {}

  QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                     const QWidget* widget) const override {
    // Only where Fusion takes them from its images as they are: left to
    // right (right to left it mirrors them), and the clear button only when
    // no icon theme has one.
    const bool rightToLeft =
        option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
    if (!rightToLeft) {
      QIcon icon;
      switch (which) {
        case SP_ToolBarHorizontalExtensionButton:
          icon = remembered(horizontalExtension_, {"toolbar-ext-h-8.png", "toolbar-ext-h-16.png",
                                                   "toolbar-ext-h-32.png"});
          break;
        case SP_ToolBarVerticalExtensionButton:
          icon = remembered(verticalExtension_, {"toolbar-ext-v-5.png", "toolbar-ext-v-10.png",
                                                 "toolbar-ext-v-20.png"});
          break;
        case SP_LineEditClearButton:
          if (!QIcon::hasThemeIcon("edit-clear-locationbar-rtl") &&
              !QIcon::hasThemeIcon("edit-clear")) {
            icon = remembered(clear_, {"cleartext-16.png"});
          }
          break;
        default:
          break;
      }
      if (!icon.isNull()) return icon;
    }
    return QProxyStyle::standardIcon(which, option, widget);
  }

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    if (element == CE_ToolBar && painter) {
      drawInTiles(painter, option->rect, [&](QPainter* tilePainter) {
        QProxyStyle::drawControl(element, option, tilePainter, widget);
      });
      return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
  }

  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget) const override {
    if (control == CC_ScrollBar && painter) {
      drawInTiles(painter, option->rect, [&](QPainter* tilePainter) {
        QProxyStyle::drawComplexControl(control, option, tilePainter, widget);
      });
      return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
  }

 private:
  static QIcon remembered(QIcon& icon, std::initializer_list<const char*> names) {
    if (icon.isNull()) icon = qtStyleImages(names);
    return icon;
  }

  mutable QIcon horizontalExtension_, verticalExtension_, clear_;
};

}  // namespace

void useEditorStyle() {
  QStyle* current = QApplication::style();
  // Other styles draw these icons their own way: they stay as they are.
  if (dynamic_cast<EditorStyle*>(current) ||
      current->name().compare("fusion", Qt::CaseInsensitive) != 0)
    return;
  // The proxy takes the current style as its base (and owns it from now on).
  QApplication::setStyle(new EditorStyle(current));
}

}  // namespace pyrovel::app

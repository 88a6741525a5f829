#include "app/editor_style.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOption>
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

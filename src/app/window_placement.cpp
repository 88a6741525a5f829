#include "app/window_placement.h"

#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace pyrovel::app {

namespace {
constexpr const char* kPlacedBefore = "placedOnOwner";
}

QPoint clearOfMenus(const QWidget& owner, QSize size, QPoint at) {
  int top = 0;
  if (const auto* main = qobject_cast<const QMainWindow*>(&owner)) {
    const QWidget* menus = main->menuWidget();
    if (menus && menus->isVisible()) top = menus->geometry().bottom() + 1;
  }
  top = owner.mapToGlobal(QPoint(0, top)).y();
  const QRect screen = owner.screen() ? owner.screen()->availableGeometry() : QRect();
  if (screen.isEmpty()) return {at.x(), std::max(at.y(), top)};
  // A window saved on another screen layout comes back onto this one.
  top = std::max(top, screen.top());
  at.setX(std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() - size.width())));
  at.setY(std::clamp(at.y(), top, std::max(top, screen.bottom() - size.height())));
  return at;
}

void placeSecondaryWindow(QWidget* window) {
  QWidget* parent = window->parentWidget();
  if (!parent || window->isVisible()) return;
  const QWidget& owner = *parent->window();
  QPoint at = window->pos();
  if (!window->property(kPlacedBefore).toBool()) {
    // Centred at the size it will show at: its layout may make it grow.
    window->ensurePolished();
    if (QLayout* layout = window->layout()) layout->activate();
    if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
    window->resize(window->size().expandedTo(window->minimumSizeHint()));
    const QRect area(owner.mapToGlobal(QPoint(0, 0)), owner.size());
    at = area.center() - QPoint(window->width() / 2, window->height() / 2);
    window->setProperty(kPlacedBefore, true);
  }
  window->move(clearOfMenus(owner, window->size(), at));
}

}  // namespace pyrovel::app

#include "app/dock_title_bar.h"

#include <QMainWindow>
#include <QPainter>

namespace pyrovel::app {

DockTitleBar::DockTitleBar(QDockWidget* dock) : QWidget(dock), dock_(dock) {
  setToolTip(dock->windowTitle().trimmed() + ": drag to move, double-click to float");
}

QSize DockTitleBar::sizeHint() const {
  return {16, fontMetrics().height() + 4};
}

void DockTitleBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Window).darker(108));
  const QString title =
      fontMetrics().elidedText(dock_->windowTitle().trimmed(), Qt::ElideRight, width() - 8);
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(rect().adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, title);
  // A grip right of the text shows that the bar can be taken.
  const int textEnd = 6 + fontMetrics().horizontalAdvance(title);
  p.setPen(palette().color(QPalette::Mid));
  for (int x = textEnd + 2; x < width() - 3; x += 3) {
    p.drawPoint(x, height() / 2 - 2);
    p.drawPoint(x, height() / 2 + 1);
  }
}

void useSlimTitleInLeftDock(QMainWindow* owner, QDockWidget* dock) {
  auto update = [owner, dock] {
    const bool slim = !dock->isFloating() && owner->dockWidgetArea(dock) == Qt::LeftDockWidgetArea;
    QWidget* current = dock->titleBarWidget();
    if (slim == (current != nullptr)) return;
    dock->setTitleBarWidget(slim ? new DockTitleBar(dock) : nullptr);
    if (current) current->deleteLater();
  };
  QObject::connect(dock, &QDockWidget::topLevelChanged, owner, update);
  QObject::connect(dock, &QDockWidget::dockLocationChanged, owner, update);
  update();
}

}  // namespace pyrovel::app

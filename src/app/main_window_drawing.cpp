// The level view's controller, the editor's clipboard and the Properties
// window.
#include <QDockWidget>
#include <QTabWidget>
#include <QTimer>

#include "app/level_preview_window.h"
#include "app/level_view.h"
#include "app/level_view_controller.h"
#include "app/main_window.h"
#include "app/properties_panel.h"
#include "app/tool_option_bars.h"

namespace pyrovel::app {

void MainWindow::connectDrawingTools() {
  LevelViewWidgets widgets;
  widgets.view = view_;
  widgets.toolsPanel = tools_;
  widgets.usageHint = toolHint_;
  widgets.pointerCoordinates = statusPanels_[0];
  widgets.pointerObject = statusPanels_[3];
  widgets.optionBars = {{OptionBar::Spray, sprayBar_}, {OptionBar::Chaos, chaosBar_}};
  viewController_ = new LevelViewController(drawingTools_, strip_, std::move(widgets), this);
  connect(viewController_, &LevelViewController::cellsDrawn, this, [this] {
    for (LevelPreviewWindow* preview : previews_) preview->update();
  });
  connect(viewController_, &LevelViewController::levelChanged, this, [this] { refresh(kCellsChanged); });
  viewController_->freezeWhileDragged(propertiesDock_);

  connect(propertiesDock_, &QDockWidget::topLevelChanged, this, [this] { placePropertiesContents(); });
  connect(propertiesDock_, &QDockWidget::dockLocationChanged, this, [this] { placePropertiesContents(); });
  connect(properties_, &PropertiesPage::applyRequested, this, [this] { applyLevelSize(); });
}

// --- the clipboard --------------------------------------------------------------------

void MainWindow::paste() { viewController_->applyUpdate(drawingTools_.paste()); }

void MainWindow::copySelection() { viewController_->applyUpdate(drawingTools_.copySelection()); }

void MainWindow::cutSelection() { viewController_->applyUpdate(drawingTools_.cutSelection()); }

// --- the Properties window ----------------------------------------------------------------

bool MainWindow::propertiesAtBottom() const {
  return !propertiesDock_->isFloating() &&
         dockWidgetArea(propertiesDock_) == Qt::BottomDockWidgetArea;
}

void MainWindow::placePropertiesContents() {
  const bool bottom = propertiesAtBottom();
  if (bottom == properties_->bottomStrip()) return;
  properties_->setBottomStrip(bottom);
  // At the bottom the title runs down the left side, as the strip's handle.
  propertiesDock_->setFeatures(propertiesDock_->features().setFlag(QDockWidget::DockWidgetVerticalTitleBar, bottom));
  if (bottom) {
    QTimer::singleShot(0, this, [this] {
      if (propertiesAtBottom()) {
        resizeDocks({propertiesDock_}, {properties_->stripHeight()}, Qt::Vertical);
      }
      fitObjectsDock();
    });
  } else if (propertiesDock_->isFloating()) {
    propertiesDock_->resize(propertiesDock_->sizeHint().expandedTo(QSize(233, 345)));
  }
  // A palette at the bottom fills the dock again once the strip has left it.
  if (!bottom) QTimer::singleShot(0, this, [this] { fitObjectsDock(); });
}

void MainWindow::showProperty(LevelProperties::SizeButton button) {
  const bool atBottom = propertiesAtBottom() && !propertiesDock_->isHidden();
  const LevelProperties::SizeRequest request = levelProperties_.showProperty(button, atBottom);
  if (request.refreshed) {
    properties_->readAll();
  } else {
    properties_->readSize();
  }
  if (request.showPanel) {
    propertiesDock_->show();
    propertiesDock_->raise();
  }
  if (request.tab) properties_->pages()->setCurrentIndex(static_cast<int>(*request.tab));
}

void MainWindow::applyLevelSize() {
  guarded([this] {
    const LevelProperties::Applied applied = levelProperties_.applyLevelSize(view_->width(), view_->cellSize());
    // The view fits its cells to the level shown again; only the texts are taken.
    statusPanels_[1]->setText(QString::fromStdString(applied.widthStatus));
    statusPanels_[2]->setText(QString::fromStdString(applied.heightStatus));
  });
  properties_->readAll();
}

}  // namespace pyrovel::app

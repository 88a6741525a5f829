// The level view's controller and the Properties window's commands.
#include <QDockWidget>
#include <QTabWidget>
#include <QTimer>

#include "app/editing_area.h"
#include "app/level_previews.h"
#include "app/level_view.h"
#include "app/level_view_controller.h"
#include "app/main_window.h"
#include "app/properties_panel.h"
#include "app/tool_option_bars.h"

namespace pyrovel::app {

void MainWindow::connectDrawingTools() {
  LevelViewWidgets widgets;
  widgets.view = editingArea_->view();
  widgets.scrollBox = editingArea_->scrollBox();
  widgets.toolsPanel = docked_.tools;
  widgets.usageHint = toolBars_.toolHint;
  widgets.pointerCoordinates = statusPanels_[0];
  widgets.pointerObject = statusPanels_[3];
  widgets.optionBars = {
      {OptionBar::Spray,
       [this](bool make) -> QWidget* { return make ? sprayBar() : toolBars_.spray; }},
      {OptionBar::Chaos,
       [this](bool make) -> QWidget* { return make ? chaosBar() : toolBars_.chaos; }}};
  viewController_ = new LevelViewController(drawingTools_, strip_, std::move(widgets), this);
  connect(viewController_, &LevelViewController::cellsDrawn, this,
          [this] { previews_->updateAll(); });
  connect(viewController_, &LevelViewController::levelChanged, this,
          [this] { refresh(kCellsChanged); });
  connect(viewController_, &LevelViewController::drawingObjectPicked, this,
          [this](int object) { chooseDrawingObject(object, strip_.image(object)); });
  viewController_->addToolKeys(this);
  viewController_->freezeWhileDragged(docks_->properties());
}

// --- the Properties window ----------------------------------------------------------------

void MainWindow::showProperty(LevelProperties::SizeButton button) {
  const bool atBottom = docks_->propertiesAtBottom() && !docks_->properties()->isHidden();
  const LevelProperties::SizeRequest request = levelProperties_.showProperty(button, atBottom);
  // A page not built yet reads everything when it is.
  if (PropertiesPage* page = docked_.properties) {
    if (request.refreshed) {
      page->readAll();
    } else {
      page->readSize();
    }
  }
  if (request.showPanel) {
    docks_->properties()->show();
    docks_->properties()->raise();
  }
  if (request.tab)
    docks_->propertiesPage()->pages()->setCurrentIndex(static_cast<int>(*request.tab));
}

void MainWindow::applyLevelSize() {
  guarded([this] {
    const LevelProperties::Applied applied = levelProperties_.applyLevelSize(
        editingArea_->view()->width(), editingArea_->view()->cellSize());
    // The view fits its cells to the level shown again; only the texts are taken.
    statusPanels_[1]->setText(QString::fromStdString(applied.widthStatus));
    statusPanels_[2]->setText(QString::fromStdString(applied.heightStatus));
  });
  docked_.properties->readAll();  // "Apply" is on the page: it exists
}

}  // namespace pyrovel::app

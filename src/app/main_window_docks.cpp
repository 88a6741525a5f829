// The tool windows of the main window: Tools, Objects, Properties and the
// level list, where they may dock, and how their states are kept in Edit.ini.
#include <QAction>
#include <QDockWidget>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

#include "app/dock_title_bar.h"
#include "app/event_watcher.h"
#include "app/main_window.h"
#include "app/level_list.h"
#include "app/objects_palette.h"
#include "app/properties_panel.h"
#include "app/tools_panel.h"

namespace pyrovel::app {

namespace {

QDockWidget* makeDock(QMainWindow* owner, const char* name, const QString& title, QWidget* contents,
                      Qt::DockWidgetAreas areas, QDockWidget::DockWidgetFeatures features) {
  auto* dock = new QDockWidget(title, owner);
  dock->setObjectName(name);
  dock->setWidget(contents);
  dock->setAllowedAreas(areas);
  dock->setFeatures(features);
  return dock;
}

DockState stateOf(const QMainWindow* owner, const QDockWidget* dock) {
  if (dock->isHidden()) return DockState::Invisible;
  if (dock->isFloating()) return DockState::Floating;
  switch (owner->dockWidgetArea(const_cast<QDockWidget*>(dock))) {
    case Qt::LeftDockWidgetArea:
      return DockState::Left;
    case Qt::RightDockWidgetArea:
      return DockState::Right;
    case Qt::BottomDockWidgetArea:
      return DockState::Bottom;
    default:
      return DockState::Floating;
  }
}

Qt::DockWidgetArea areaOf(DockState state) {
  switch (state) {
    case DockState::Left:
      return Qt::LeftDockWidgetArea;
    case DockState::Bottom:
      return Qt::BottomDockWidgetArea;
    default:
      return Qt::RightDockWidgetArea;
  }
}

}  // namespace

void MainWindow::createDocks() {
  setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks);
  setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
  setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);
  const auto all = QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable |
                   QDockWidget::DockWidgetClosable;

  tools_ = new ToolsCanvas;
  toolsDock_ = makeDock(this, "toolsDock", "  Tools", tools_, Qt::LeftDockWidgetArea, all);
  addDockWidget(Qt::LeftDockWidgetArea, toolsDock_);

  objects_ = new ObjectsPanel;
  objects_->canvas()->setStrip(&strip_);
  objectsDock_ = makeDock(this, "objectsDock", "   Objects", objects_,
                          Qt::LeftDockWidgetArea | Qt::BottomDockWidgetArea, all);
  addDockWidget(Qt::LeftDockWidgetArea, objectsDock_);
  objectsDock_->setFloating(true);

  properties_ = new PropertiesPage(levelProperties_);
  properties_->setStrip(&strip_);
  propertiesDock_ = makeDock(this, "propertiesDock", "   Properties", properties_,
                             Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea, all);
  addDockWidget(Qt::RightDockWidgetArea, propertiesDock_);
  propertiesDock_->setFloating(true);
  propertiesDock_->resize(propertiesDock_->sizeHint().expandedTo(QSize(233, 345)));
  propertiesDock_->hide();

  levelList_ = new LevelList;
  levelListDock_ = makeDock(this, "levelListDock", "Level list", levelList_,
                            Qt::RightDockWidgetArea, QDockWidget::DockWidgetClosable);
  addDockWidget(Qt::RightDockWidgetArea, levelListDock_);
  levelListDock_->hide();
  resizeDocks({levelListDock_}, {180}, Qt::Horizontal);

  // The menu checks follow the windows, however they were shown or closed.
  const std::pair<QDockWidget*, const char*> checks[] = {{toolsDock_, "toolsPanel"},
                                                         {objectsDock_, "objectsPanel"},
                                                         {propertiesDock_, "propertiesPanel"},
                                                         {levelListDock_, "levelListPanel"}};
  for (const auto& [dock, name] : checks) {
    QAction* a = action(name);
    a->setChecked(!dock->isHidden());
    connect(dock, &QDockWidget::visibilityChanged, this,
            [a, dock = dock] { a->setChecked(!dock->isHidden()); });
  }

  useSlimTitleInLeftDock(this, toolsDock_);
  useSlimTitleInLeftDock(this, objectsDock_);
  connect(toolsDock_, &QDockWidget::topLevelChanged, this, [this] { fitToolsDock(); });
  connect(objectsDock_, &QDockWidget::topLevelChanged, this, [this] { fitObjectsDock(); });
  connect(objectsDock_, &QDockWidget::dockLocationChanged, this, [this] { fitObjectsDock(); });
  // The palette takes as many columns as the dock's width holds.
  EventWatcher::watch(objectsDock_, this, [this](QObject*, QEvent* event) {
    if (event->type() == QEvent::Resize) updatePaletteColumns();
    return false;
  });
}

void MainWindow::updatePaletteColumns() {
  ObjectsCanvas* canvas = objects_->canvas();
  int columns = 10;
  if (!objectsDock_->isFloating()) {
    if (dockWidgetArea(objectsDock_) == Qt::LeftDockWidgetArea) {
      columns = 4;
    } else {
      const int width = objects_->scrollBox()->viewport()->width();
      columns = width / ObjectsCanvas::kCell;
    }
  }
  if (columns < 2) columns = 10;
  if (columns == canvas->columns()) return;
  canvas->setColumns(columns);
  // At the bottom the rows follow the width: the dock takes their height
  // once the layout that is resizing it has settled.
  QTimer::singleShot(0, this, [this] {
    if (!objectsDock_->isFloating() && dockWidgetArea(objectsDock_) == Qt::BottomDockWidgetArea) {
      resizeDocks({objectsDock_}, {bottomObjectsHeight()}, Qt::Vertical);
    }
  });
}

bool MainWindow::propertiesStripBesideObjects() const {
  return propertiesAtBottom() && !propertiesDock_->isHidden() && !objectsDock_->isFloating() &&
         dockWidgetArea(objectsDock_) == Qt::BottomDockWidgetArea;
}

int MainWindow::bottomObjectsHeight() const {
  // Beside the Properties strip the palette keeps to the strip's height and scrolls.
  if (propertiesStripBesideObjects()) return properties_->stripHeight();
  return objects_->fittingSize().height() + titleHeight(objectsDock_);
}

int MainWindow::titleHeight(const QDockWidget* dock) const {
  if (const QWidget* bar = dock->titleBarWidget()) return bar->sizeHint().height();
  return dock->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, dock);
}

void MainWindow::fitObjectsDock() {
  updatePaletteColumns();
  const QSize fit = objects_->fittingSize();
  const int scrollBar = objects_->scrollBox()->verticalScrollBar()->sizeHint().width();
  const bool objectsLeft =
      !objectsDock_->isFloating() && dockWidgetArea(objectsDock_) == Qt::LeftDockWidgetArea;
  if (objectsDock_->isFloating()) {
    // Every entry visible, but never taller than the screen.
    const QScreen* screen = objectsDock_->screen() ? objectsDock_->screen() : QGuiApplication::primaryScreen();
    const int maxHeight = screen ? screen->availableGeometry().height() * 3 / 4 : fit.height();
    const int height = std::min(fit.height(), maxHeight);
    objectsDock_->resize(fit.width() + (height < fit.height() ? scrollBar : 0),
                         height + titleHeight(objectsDock_));
  } else if (objectsLeft) {
    resizeDocks({objectsDock_}, {fit.width() + scrollBar}, Qt::Horizontal);
  } else {
    if (propertiesStripBesideObjects()) {
      // The strip keeps its width; the palette takes the rest in whole columns.
      const int strip = propertiesDock_->sizeHint().width();
      resizeDocks({propertiesDock_, objectsDock_}, {strip, std::max(0, width() - strip)}, Qt::Horizontal);
    }
    resizeDocks({objectsDock_}, {bottomObjectsHeight()}, Qt::Vertical);
  }
  fitToolsDock();
}

void MainWindow::fitToolsDock() {
  const QSize tools = tools_->sizeHint();
  if (toolsDock_->isFloating()) {
    // Wide enough to read its caption.
    const int captionWidth = toolsDock_->fontMetrics().horizontalAdvance(toolsDock_->windowTitle()) + 48;
    toolsDock_->resize(std::max(tools.width(), captionWidth), tools.height() + titleHeight(toolsDock_));
    return;
  }
  const bool objectsLeft =
      !objectsDock_->isFloating() && dockWidgetArea(objectsDock_) == Qt::LeftDockWidgetArea;
  if (objectsLeft) {
    // The tools keep their height, the palette takes the rest of the dock.
    resizeDocks({toolsDock_, objectsDock_},
                {tools.height() + titleHeight(toolsDock_), height()}, Qt::Vertical);
  } else {
    resizeDocks({toolsDock_}, {tools.width()}, Qt::Horizontal);
  }
}

void MainWindow::putDock(QDockWidget* dock, DockState state) {
  if (state == DockState::Invisible) {
    dock->hide();
    return;
  }
  if (state == DockState::Floating) {
    dock->setFloating(true);
  } else {
    addDockWidget(areaOf(state), dock);
    dock->setFloating(false);
  }
  dock->show();
}

void MainWindow::applyPanelStates() {
  putDock(toolsDock_, config_.toolsState);
  putDock(objectsDock_, config_.objectsState);
  putDock(propertiesDock_, config_.propertiesState);

  levelListDock_->hide();  // always starts hidden
  statusBarWanted_ = config_.statusBarVisible;
  statusBar()->setVisible(statusBarWanted_);
  action("showStatusBar")->setChecked(statusBarWanted_);
  fitObjectsDock();
}

void MainWindow::placeFloatingPanels() {
  fitObjectsDock();
  const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect();
  const std::pair<QDockWidget*, PanelPosition> panels[] = {{toolsDock_, config_.toolsPos},
                                                           {objectsDock_, config_.objectsPos},
                                                           {propertiesDock_, config_.propertiesPos}};
  for (const auto& [dock, pos] : panels) {
    if (!dock->isFloating()) continue;
    QPoint at = mapToGlobal(QPoint(pos.x, pos.y));
    // A position saved on another screen layout must not leave the panel unreachable.
    if (!screen.isEmpty()) {
      at.setX(std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() - dock->width())));
      at.setY(std::clamp(at.y(), screen.top(), std::max(screen.top(), screen.bottom() - dock->height())));
    }
    dock->move(at);
  }
}

void MainWindow::capturePanelStates() {
  auto position = [this](const QDockWidget* dock, PanelPosition& pos) {
    if (!dock->isFloating()) return;  // keeps where it last floated
    const QPoint p = mapFromGlobal(dock->pos());
    pos = {p.x(), p.y()};
  };
  config_.propertiesState = stateOf(this, propertiesDock_);
  position(propertiesDock_, config_.propertiesPos);
  config_.toolsState = toolsDock_->isFloating() ? DockState::Floating : DockState::Left;
  position(toolsDock_, config_.toolsPos);
  config_.objectsState = stateOf(this, objectsDock_);
  position(objectsDock_, config_.objectsPos);
  config_.levelListState = levelListDock_->isHidden() ? DockState::Invisible : DockState::Right;
  config_.statusBarVisible = statusBarWanted_;
}

}  // namespace pyrovel::app

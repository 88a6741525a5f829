#include "app/dock_layout.h"

#include <QAction>
#include <QDockWidget>
#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>

#include "app/action_registry.h"
#include "app/dock_title_bar.h"
#include "app/event_watcher.h"
#include "app/level_list.h"
#include "app/objects_palette.h"
#include "app/properties_panel.h"
#include "app/tools_panel.h"
#include "app/window_placement.h"

namespace pyrovel::app {

namespace {

QDockWidget* makeDock(QMainWindow& owner, const char* name, const QString& title, QWidget* contents,
                      Qt::DockWidgetAreas areas, QDockWidget::DockWidgetFeatures features) {
  auto* dock = new QDockWidget(title, &owner);
  dock->setObjectName(name);
  if (contents) dock->setWidget(contents);
  dock->setAllowedAreas(areas);
  dock->setFeatures(features);
  return dock;
}

DockState stateOf(const QMainWindow& owner, const QDockWidget* dock) {
  if (dock->isHidden()) return DockState::Invisible;
  if (dock->isFloating()) return DockState::Floating;
  switch (owner.dockWidgetArea(const_cast<QDockWidget*>(dock))) {
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

int titleHeight(const QDockWidget* dock) {
  if (const QWidget* bar = dock->titleBarWidget()) return bar->sizeHint().height();
  return dock->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, dock);
}

// Floats, docks (left, right or bottom) or hides a tool window.
void putDock(QMainWindow& window, QDockWidget* dock, DockState state) {
  if (state == DockState::Invisible) {
    dock->hide();
    return;
  }
  if (state == DockState::Floating) {
    dock->setFloating(true);
  } else {
    window.addDockWidget(areaOf(state), dock);
    dock->setFloating(false);
  }
  dock->show();
}

}  // namespace

DockLayout::DockLayout(QMainWindow& window, Contents& contents, const ActionRegistry& actions,
                       std::function<PropertiesPage*()> makeProperties)
    : QObject(&window),
      window_(window),
      contents_(contents),
      makeProperties_(std::move(makeProperties)) {
  window.setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks);
  window.setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
  window.setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);
  const auto all = QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable |
                   QDockWidget::DockWidgetClosable;

  tools_ = makeDock(window, "toolsDock", "  Tools", contents.tools, Qt::LeftDockWidgetArea, all);
  window.addDockWidget(Qt::LeftDockWidgetArea, tools_);

  objects_ = makeDock(window, "objectsDock", "   Objects", contents.objects,
                      Qt::LeftDockWidgetArea | Qt::BottomDockWidgetArea, all);
  window.addDockWidget(Qt::LeftDockWidgetArea, objects_);

  // Most sessions never open the Properties window: its page waits for the first show.
  properties_ = makeDock(window, "propertiesDock", "   Properties", contents.properties,
                         Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea, all);
  window.addDockWidget(Qt::RightDockWidgetArea, properties_);
  // Hidden first: floating a dock that is not hidden shows it, which makes
  // its window on the screen only to take it away again.
  properties_->hide();
  properties_->setFloating(true);
  EventWatcher::watch(properties_, this, [this](QObject*, QEvent* event) {
    if (event->type() == QEvent::Show) propertiesPage();
    return false;
  });

  levelList_ = makeDock(window, "levelListDock", "Level list", contents.levelList,
                        Qt::RightDockWidgetArea, QDockWidget::DockWidgetClosable);
  window.addDockWidget(Qt::RightDockWidgetArea, levelList_);
  levelList_->hide();
  window.resizeDocks({levelList_}, {180}, Qt::Horizontal);

  // The menu checks follow the windows, however they were shown or closed.
  const std::pair<QDockWidget*, const char*> toggles[] = {{tools_, "toolsPanel"},
                                                          {objects_, "objectsPanel"},
                                                          {properties_, "propertiesPanel"},
                                                          {levelList_, "levelListPanel"}};
  for (const auto& [dock, name] : toggles) {
    QAction* a = actions.action(name);
    a->setChecked(!dock->isHidden());
    connect(dock, &QDockWidget::visibilityChanged, this,
            [a, dock = dock] { a->setChecked(!dock->isHidden()); });
  }

  for (QDockWidget* dock : {tools_, objects_, properties_}) placeWhenShown(dock);
  useSlimTitleInLeftDock(&window, tools_);
  useSlimTitleInLeftDock(&window, objects_);
  connect(tools_, &QDockWidget::topLevelChanged, this, [this] { fitTools(); });
  connect(objects_, &QDockWidget::topLevelChanged, this, [this] { fitObjects(); });
  connect(objects_, &QDockWidget::dockLocationChanged, this, [this] { fitObjects(); });
  connect(properties_, &QDockWidget::topLevelChanged, this, [this] { placePropertiesContents(); });
  connect(properties_, &QDockWidget::dockLocationChanged, this,
          [this] { placePropertiesContents(); });
  // The palette takes as many columns as the dock's width holds.
  EventWatcher::watch(objects_, this, [this](QObject*, QEvent* event) {
    if (event->type() == QEvent::Resize) updatePaletteColumns();
    return false;
  });
}

void DockLayout::toggle(QDockWidget* dock) {
  dock->setVisible(dock->isHidden());
}

bool DockLayout::objectsLeft() const {
  return !objects_->isFloating() && window_.dockWidgetArea(objects_) == Qt::LeftDockWidgetArea;
}

PropertiesPage* DockLayout::propertiesPage() {
  if (contents_.properties) return contents_.properties;
  contents_.properties = makeProperties_();
  properties_->setWidget(contents_.properties);
  // Built while its window shows: the layout would show it only later.
  if (properties_->isVisible()) contents_.properties->show();
  if (properties_->isFloating()) fitFloatingProperties();
  placePropertiesContents();
  return contents_.properties;
}

bool DockLayout::propertiesAtBottom() const {
  return !properties_->isFloating() &&
         window_.dockWidgetArea(properties_) == Qt::BottomDockWidgetArea;
}

void DockLayout::updatePaletteColumns() {
  ObjectsCanvas* canvas = contents_.objects->canvas();
  int columns = 10;
  if (!objects_->isFloating()) {
    if (objectsLeft()) {
      // About 160 pixels wide, room for the filter box; 4 columns at least.
      columns = std::max(4, 160 / canvas->cellSize());
    } else {
      const int width = contents_.objects->scrollBox()->viewport()->width();
      columns = width / canvas->cellSize();
    }
  }
  if (columns < 2) columns = 10;
  if (columns == canvas->columns()) return;
  canvas->setColumns(columns);
  // At the bottom the rows follow the width: the dock takes their height
  // once the layout that is resizing it has settled.
  QTimer::singleShot(0, this, [this] {
    if (!objects_->isFloating() && window_.dockWidgetArea(objects_) == Qt::BottomDockWidgetArea) {
      window_.resizeDocks({objects_}, {bottomObjectsHeight()}, Qt::Vertical);
    }
  });
}

bool DockLayout::propertiesStripBesideObjects() const {
  return propertiesAtBottom() && !properties_->isHidden() && !objects_->isFloating() &&
         window_.dockWidgetArea(objects_) == Qt::BottomDockWidgetArea;
}

int DockLayout::bottomObjectsHeight() const {
  // Beside the Properties strip the palette keeps to the strip's height and scrolls.
  if (propertiesStripBesideObjects() && contents_.properties)
    return contents_.properties->stripHeight();
  return contents_.objects->fittingSize().height() + titleHeight(objects_);
}

void DockLayout::fitObjects() {
  updatePaletteColumns();
  const QSize fit = contents_.objects->fittingSize();
  const int scrollBar = contents_.objects->scrollBox()->verticalScrollBar()->sizeHint().width();
  if (objects_->isFloating()) {
    // Every entry visible, but never taller than the screen.
    const QScreen* screen =
        objects_->screen() ? objects_->screen() : QGuiApplication::primaryScreen();
    const int maxHeight = screen ? screen->availableGeometry().height() * 3 / 4 : fit.height();
    const int height = std::min(fit.height(), maxHeight);
    objects_->resize(fit.width() + (height < fit.height() ? scrollBar : 0),
                     height + titleHeight(objects_));
  } else if (objectsLeft()) {
    window_.resizeDocks({objects_}, {fit.width() + scrollBar}, Qt::Horizontal);
  } else {
    if (propertiesStripBesideObjects()) {
      // The strip keeps its width; the palette takes the rest in whole columns.
      const int strip = properties_->sizeHint().width();
      window_.resizeDocks({properties_, objects_}, {strip, std::max(0, window_.width() - strip)},
                          Qt::Horizontal);
    }
    window_.resizeDocks({objects_}, {bottomObjectsHeight()}, Qt::Vertical);
  }
  fitTools();
}

void DockLayout::fitTools() {
  const QSize tools = contents_.tools->sizeHint();
  if (tools_->isFloating()) {
    // Wide enough to read its caption.
    const int captionWidth = tools_->fontMetrics().horizontalAdvance(tools_->windowTitle()) + 48;
    tools_->resize(std::max(tools.width(), captionWidth), tools.height() + titleHeight(tools_));
    return;
  }
  if (objectsLeft()) {
    // The tools keep their height, the palette takes the rest of the dock.
    window_.resizeDocks({tools_, objects_},
                        {tools.height() + titleHeight(tools_), window_.height()}, Qt::Vertical);
  } else {
    window_.resizeDocks({tools_}, {tools.width()}, Qt::Horizontal);
  }
}

void DockLayout::fitFloatingProperties() {
  properties_->resize(properties_->sizeHint().expandedTo(QSize(233, 345)));
}

void DockLayout::placePropertiesContents() {
  PropertiesPage* page = contents_.properties;
  const bool bottom = propertiesAtBottom();
  if (!page || bottom == page->bottomStrip()) return;
  page->setBottomStrip(bottom);
  // At the bottom the title runs down the left side, as the strip's handle.
  properties_->setFeatures(
      properties_->features().setFlag(QDockWidget::DockWidgetVerticalTitleBar, bottom));
  if (bottom) {
    QTimer::singleShot(0, this, [this, page] {
      if (propertiesAtBottom())
        window_.resizeDocks({properties_}, {page->stripHeight()}, Qt::Vertical);
      fitObjects();
    });
  } else if (properties_->isFloating()) {
    fitFloatingProperties();
  }
  // A palette at the bottom fills the dock again once the strip has left it.
  if (!bottom) QTimer::singleShot(0, this, [this] { fitObjects(); });
}

void DockLayout::apply(const Configuration& config) {
  putDock(window_, tools_, config.toolsState);
  putDock(window_, objects_, config.objectsState);
  // Restored as shown: built now, so the first paint has it.
  if (config.propertiesState != DockState::Invisible) propertiesPage();
  putDock(window_, properties_, config.propertiesState);
  levelList_->setVisible(config.levelListState == DockState::Right);
  // The docks' order and sizes in each area as they were left (putting a
  // dock into an area above appends it, which would swap neighbours); the
  // states of the settings win where the two disagree.
  if (!config.dockLayout.empty()) {
    window_.restoreState(QByteArray::fromBase64(QByteArray::fromStdString(config.dockLayout)));
    const std::pair<QDockWidget*, DockState> states[] = {{tools_, config.toolsState},
                                                         {objects_, config.objectsState},
                                                         {properties_, config.propertiesState}};
    for (const auto& [dock, state] : states) {
      if (stateOf(window_, dock) != state) putDock(window_, dock, state);
    }
    levelList_->setVisible(config.levelListState == DockState::Right);
  }
  fitObjects();
}

QPoint DockLayout::onScreen(const QDockWidget* dock, QPoint at) const {
  return clearOfMenus(window_, dock->size(), at);
}

QPoint DockLayout::firstPlace(const QDockWidget* dock) const {
  if (dock != properties_) return {100, 100};
  // Beside the level at the right, clear of the Tools and Objects at the left.
  const QWidget* central = window_.centralWidget();
  const int top = central ? central->geometry().top() : 0;
  const int width = std::max({dock->width(), dock->sizeHint().width(), 233});
  return {std::max(0, window_.width() - width - 24), top + 24};
}

void DockLayout::placeFloating(const Configuration& config) {
  fitObjects();
  const std::pair<QDockWidget*, PanelPosition> panels[] = {{tools_, config.toolsPos},
                                                           {objects_, config.objectsPos},
                                                           {properties_, config.propertiesPos}};
  for (const auto& [dock, pos] : panels) {
    savedAt_[dock] = pos.kept ? QPoint(pos.x, pos.y) : firstPlace(dock);
    if (dock->isFloating()) dock->move(onScreen(dock, window_.mapToGlobal(savedAt_[dock])));
  }
}

void DockLayout::placeWhenShown(QDockWidget* dock) {
  // A window shown floating for the first time (or put back by the window
  // system over the menus) goes where it was kept.
  EventWatcher::watch(dock, this, [this, dock](QObject*, QEvent* event) {
    if (event->type() == QEvent::Show && dock->isFloating()) {
      QTimer::singleShot(0, this, [this, dock] {
        const QPoint kept = onScreen(dock, dock->pos());
        if (kept != dock->pos())
          dock->move(onScreen(dock, window_.mapToGlobal(savedAt_.value(dock, QPoint(100, 100)))));
      });
    }
    return false;
  });
}

void DockLayout::capture(Configuration& config) const {
  auto position = [this](const QDockWidget* dock, PanelPosition& pos) {
    if (!dock->isFloating()) return;  // keeps where it last floated
    const QPoint p = window_.mapFromGlobal(dock->pos());
    pos = {p.x(), p.y()};
  };
  config.propertiesState = stateOf(window_, properties_);
  position(properties_, config.propertiesPos);
  config.toolsState = tools_->isFloating() ? DockState::Floating : DockState::Left;
  position(tools_, config.toolsPos);
  config.objectsState = stateOf(window_, objects_);
  position(objects_, config.objectsPos);
  config.levelListState = levelList_->isHidden() ? DockState::Invisible : DockState::Right;
  config.dockLayout = window_.saveState().toBase64().toStdString();
}

}  // namespace pyrovel::app

#pragma once
// The main window's tool windows: Tools, Objects, Properties and the level
// list as docks, where each may dock, how they fit their contents, and how
// their states and floating positions are kept in the settings.
#include <QHash>
#include <QObject>
#include <QPoint>
#include <functional>

#include "model/configuration.h"

class QAction;
class QDockWidget;
class QMainWindow;

namespace pyrovel::app {

class ActionRegistry;
class LevelList;
class ObjectsPanel;
class PropertiesPage;
class ToolsCanvas;

class DockLayout : public QObject {
  Q_OBJECT
 public:
  struct Contents {
    ToolsCanvas* tools;
    ObjectsPanel* objects;
    PropertiesPage* properties;  // null until the Properties window is first shown
    LevelList* levelList;
  };
  // The checks of the actions "toolsPanel", "objectsPanel",
  // "propertiesPanel" and "levelListPanel" follow the docks. `contents`
  // outlives the layout, which fills in the Properties page made by
  // `makeProperties` when its window is first shown.
  DockLayout(QMainWindow& window, Contents& contents, const ActionRegistry& actions,
             std::function<PropertiesPage*()> makeProperties);

  QDockWidget* tools() const { return tools_; }
  QDockWidget* objects() const { return objects_; }
  QDockWidget* properties() const { return properties_; }
  QDockWidget* levelList() const { return levelList_; }
  static void toggle(QDockWidget* dock);

  // Settings: the states at start, and where each floating window is put
  // once the main window is on screen.
  void apply(const Configuration& config);
  void placeFloating(const Configuration& config);
  void capture(Configuration& config) const;

  // Builds the Properties page if need be.
  PropertiesPage* propertiesPage();
  bool propertiesAtBottom() const;
  void fitObjects();

 private:
  void fitTools();
  void updatePaletteColumns();
  // The Properties window shows its strip at the bottom, its tabs elsewhere.
  void placePropertiesContents();
  void fitFloatingProperties();
  // The Properties strip and the Objects panel share the bottom dock.
  bool propertiesStripBesideObjects() const;
  int bottomObjectsHeight() const;
  bool objectsLeft() const;
  // `at` moved as little as needed to be on screen and below the menu bar.
  QPoint onScreen(const QDockWidget* dock, QPoint at) const;
  // Where a floating window goes that was never placed (window pixels).
  QPoint firstPlace(const QDockWidget* dock) const;
  void placeWhenShown(QDockWidget* dock);

  QMainWindow& window_;
  Contents& contents_;
  std::function<PropertiesPage*()> makeProperties_;
  QDockWidget* tools_;
  QDockWidget* objects_;
  QDockWidget* properties_;
  QDockWidget* levelList_;
  QHash<const QDockWidget*, QPoint> savedAt_;  // floating positions, window pixels
};

}  // namespace pyrovel::app

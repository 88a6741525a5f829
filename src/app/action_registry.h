#pragma once
// Every command of the main window as one named QAction, registered once
// with its text, shortcuts and hint; the menus and the tool bar are built
// from the names, so a command is defined in one place.
#include <QAction>
#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>
#include <initializer_list>

#include "app/icons.h"

class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace pyrovel::app {

struct ActionSpec {
  const char* name;  // the action's object name, used by menus, tool bar and tests
  const char* text;
  QList<QKeySequence> shortcuts = {};
  const char* toolTip = nullptr;
  bool checkable = false;
};

struct ToolBarButton {
  const char* action;      // "-" for a separator
  const char* objectName;  // of the button the tool bar makes for it
  Glyph glyph;
};

// A tool-bar hint that names the action's first key: "Undo Line (Ctrl+Z)".
QString hintWithShortcut(const QString& hint, const QAction& action);

class ActionRegistry {
 public:
  explicit ActionRegistry(QWidget& owner) : owner_(owner) {}

  // An action without a handler is shown disabled: its part of the editor
  // is not there yet.
  QAction* add(const ActionSpec& spec, std::function<void()> handler);
  // Null for a name never registered.
  QAction* action(const QString& name) const { return actions_.value(name); }
  QList<QAction*> all() const { return actions_.values(); }

  // A menu of registered actions by name; "-" is a separator.
  QMenu* addMenu(QMenuBar& bar, const char* objectName, const QString& title,
                 std::initializer_list<const char*> items) const;
  void addToolButtons(QToolBar& bar, std::initializer_list<ToolBarButton> buttons) const;

 private:
  QWidget& owner_;
  QHash<QString, QAction*> actions_;
};

}  // namespace pyrovel::app

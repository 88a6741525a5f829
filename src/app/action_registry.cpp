#include "app/action_registry.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QWidget>
#include <string_view>

namespace pyrovel::app {

QString hintWithShortcut(const QString& hint, const QAction& action) {
  const QList<QKeySequence> keys = action.shortcuts();
  if (keys.isEmpty()) return hint;
  return hint + " (" + keys.first().toString(QKeySequence::NativeText) + ")";
}

QAction* ActionRegistry::add(const ActionSpec& spec, std::function<void()> handler) {
  auto* a = new QAction(spec.text, &owner_);
  a->setObjectName(spec.name);
  if (!spec.shortcuts.isEmpty()) a->setShortcuts(spec.shortcuts);
  // A tool-bar hint names the key that does the same.
  if (spec.toolTip) a->setToolTip(hintWithShortcut(spec.toolTip, *a));
  a->setCheckable(spec.checkable);
  if (handler) {
    QObject::connect(a, &QAction::triggered, &owner_,
                     [handler = std::move(handler)] { handler(); });
  } else {
    a->setEnabled(false);
  }
  // Shortcuts keep working while the menu bar is hidden (full-screen editing).
  owner_.addAction(a);
  actions_.insert(spec.name, a);
  return a;
}

QMenu* ActionRegistry::addMenu(QMenuBar& bar, const char* objectName, const QString& title,
                               std::initializer_list<const char*> items) const {
  QMenu* menu = bar.addMenu(title);
  menu->setObjectName(objectName);
  for (const char* item : items) {
    if (std::string_view(item) == "-") {
      menu->addSeparator();
    } else {
      menu->addAction(action(item));
    }
  }
  return menu;
}

void ActionRegistry::addToolButtons(QToolBar& bar,
                                    std::initializer_list<ToolBarButton> buttons) const {
  for (const ToolBarButton& b : buttons) {
    if (std::string_view(b.action) == "-") {
      bar.addSeparator();
      continue;
    }
    QAction* a = action(b.action);
    a->setIcon(glyphIcon(b.glyph));
    bar.addAction(a);
    bar.widgetForAction(a)->setObjectName(b.objectName);
  }
}

}  // namespace pyrovel::app

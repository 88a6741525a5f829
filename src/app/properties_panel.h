#pragma once
// The page inside the Properties tool window: the page control
// `PageControl2` with its tabs. The controls of each tab come with the level
// properties; until then the tabs are empty.
#include <QTabWidget>
#include <QWidget>

#include "model/editor_session.h"

namespace pyrovel::app {

class PropertiesPage : public QWidget {
  Q_OBJECT
 public:
  explicit PropertiesPage(QWidget* parent = nullptr);

  QTabWidget* pages() const { return pageControl2_; }
  // Fills every control from the current level (`ShowYam`).
  void ShowYam(const EditorSession& session);

 private:
  QTabWidget* pageControl2_;
};

}  // namespace pyrovel::app

#pragma once
// The Problems dock: what the level checker finds in the levelmap, one row
// per problem. It is hidden until asked for (View menu) or until a save
// leaves problems; it follows the edits (only the level that changed is
// checked again), a double click shows the level and frames the cell, the
// level list marks each level with an error, and Save and Test Level
// mention errors in its note line without stopping anything.
#include <QDockWidget>
#include <array>
#include <vector>

#include "check/level_check.h"

class QLabel;
class QTreeWidget;

namespace pyrovel::app {

class MainWindow;

class ProblemsPanel : public QDockWidget {
  Q_OBJECT
 public:
  ProblemsPanel(const Levelmap& map, const Configuration& config, QWidget* parent = nullptr);

  // Makes the dock of the main window and wires it: the View menu, the jump
  // to a cell, the level list's marks, Save and Test Level.
  static ProblemsPanel* install(MainWindow& window);

  // What the window was told changed (Change flags): cells or the record
  // of the level shown check that level again; a new levelmap or levels
  // moved, inserted or deleted check them all.
  void levelmapChanged(unsigned what);
  void recheckAll();

  const std::vector<Problem>& problemsOf(int slot) const {
    return problems_[static_cast<std::size_t>(slot)];
  }
  int errorCount() const;
  int problemCount() const;
  QTreeWidget* list() const { return list_; }
  QLabel* note() const { return note_; }

  // After a save: shown with a note when the levelmap has problems.
  void afterSave();
  // After a test run: the note names the errors of the level tested.
  void afterTest();

 signals:
  // A row was double-clicked: show the level (slot) and frame the cell
  // (x, y are -1 for a problem of the whole level).
  void goTo(int slot, int x, int y);
  // Levels 0..99 with an error changed.
  void errorLevelsChanged(const std::vector<bool>& levelHasError);

 private:
  // True when the level's problems changed.
  bool checkSlot(int slot);
  void showList();
  void publishMarks();

  const Levelmap& map_;
  const Configuration& config_;
  QLabel* note_;
  QTreeWidget* list_;
  std::array<std::vector<Problem>, kSlotCount> problems_{};
  std::vector<bool> marks_;
  int shownSlot_ = kFirstSlot;
};

}  // namespace pyrovel::app

#pragma once
// The small movable tool windows of the main window: View (leaves
// full-screen editing) and the conversion progress panel; and the Move Level
// dialog.
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>

namespace pyrovel::app {

// A window that floats over the main window and can be moved by its title.
class ToolWindow : public QWidget {
  Q_OBJECT
 public:
  ToolWindow(QWidget* owner, const char* objectName, const QString& caption);
};

// `MoveLevelPanel`: "Move level n to:", a number 0..99, OK and Cancel. A
// modal dialog: Enter is OK, Esc is Cancel.
class MoveLevelPanel : public QDialog {
  Q_OBJECT
 public:
  explicit MoveLevelPanel(QWidget* owner);
  // Sets the label for the level being moved and shows the panel.
  void open(int levelNumber);
  QSpinBox* target() const { return target_; }

 signals:
  void moveConfirmed(int targetNumber);

 private:
  QLabel* label_;
  QSpinBox* target_;
};

// `ViewPanel`: shown during full-screen editing, with one button back.
class ViewPanel : public ToolWindow {
  Q_OBJECT
 public:
  explicit ViewPanel(QWidget* owner);
  QPushButton* leaveButton() const { return leave_; }

 private:
  QPushButton* leave_;
};

// `Convertpanel`: progress of a long import and the list of its notes.
class ConvertPanel : public ToolWindow {
  Q_OBJECT
 public:
  explicit ConvertPanel(QWidget* owner);
  // max 0 hides the panel; a label different from the last one is listed.
  // The panel paints at most every kPaintEveryMs.
  void progress(int value, int max, const QString& label);
  QProgressBar* gauge() const { return gauge_; }
  QListWidget* list() const { return levels_; }

 private:
  static constexpr qint64 kPaintEveryMs = 40;
  QProgressBar* gauge_;
  QListWidget* levels_;
  QElapsedTimer lastPaint_;  // since the panel last painted
};

}  // namespace pyrovel::app

#pragma once
// The three small panels that act on the whole levelmap: search for an
// object, replace the author of a run of levels (and set the amoeba flag of
// all levels), and the message panel with the importers' notes.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

#include "app/tool_windows.h"

namespace pyrovel::app {

// `SearchPanel`: an object's name or number, "Find next", "Find previous"
// and how many cells hold it.
class SearchPanel : public ToolWindow {
  Q_OBJECT
 public:
  explicit SearchPanel(QWidget* owner);
  QLineEdit* text() const { return text_; }
  void showCount(const QString& text);

 signals:
  void searchChanged(const QString& text);
  void stepRequested(int direction);  // +1 next, -1 previous

 private:
  QLineEdit* text_;
  QLabel* count_;
};

// `ReplacePanel`: the author for levels from "Start at level" on, and the
// "Convert trapped amoeba" flag for all levels.
class ReplacePanel : public ToolWindow {
  Q_OBJECT
 public:
  explicit ReplacePanel(QWidget* owner);

 signals:
  void authorRequested(const QString& author, int startLevel);
  void amoebaRequested(bool on);

 private:
  QLineEdit* authorReplace_;
  QCheckBox* amoebaOn_;
  QSpinBox* lastLevel_;
};

// `MessagePanel`: the message memo and "Clear".
class MessagePanel : public ToolWindow {
  Q_OBJECT
 public:
  explicit MessagePanel(QWidget* owner);
  // The memo's lines only grow until they are cleared: lines after those
  // shown are added, anything else is shown anew.
  void setLines(const std::vector<std::string>& lines);
  QPlainTextEdit* memo() const { return messages_; }

 signals:
  void clearRequested();

 private:
  QPlainTextEdit* messages_;
  std::size_t shown_ = 0;  // lines of the memo shown
};

}  // namespace pyrovel::app

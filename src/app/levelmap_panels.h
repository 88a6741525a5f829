#pragma once
// The three small panels that act on the whole levelmap: search for an
// object, replace the author of a run of levels (and set the amoeba flag of
// all levels), and the message panel with the importers' notes.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

#include "app/tool_windows.h"

namespace pyrovel::app {

// `SearchPanel`: "Object:" with a number 0..255 and "Search".
class SearchPanel : public ToolWindow {
  Q_OBJECT
 public:
  explicit SearchPanel(QWidget* owner);
  QSpinBox* object() const { return searchObjectEdit_; }

 signals:
  void searchRequested(int object);

 private:
  QSpinBox* searchObjectEdit_;
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
  void setLines(const std::vector<std::string>& lines);
  QPlainTextEdit* memo() const { return messages_; }

 signals:
  void clearRequested();

 private:
  QPlainTextEdit* messages_;
};

}  // namespace pyrovel::app
